#pragma once

#include "platform/PendingMessages.h"
#include "platform/Win32.h"

// The class carries the name of a Win32 function; in this namespace the
// name means the class.
namespace plumbing {

// What the key filter serves: a component with a platform window.
class KeyTarget {
public:
    [[nodiscard]] virtual HWND ControlHwnd() const = 0;

protected:
    ~KeyTarget() = default;
};

// The filter's settings, copied when it is built.
struct KeyFilterObject {
    const KeyTarget* Control = nullptr;
    bool HandleSpecialKeys = false;
    bool TranslateSpecialKeys = false;
};

using FilterProcedure = HRESULT (*)(const KeyFilterObject& filter, const MSG& message);

// Routes a key message meant for a component: S_OK when the key was handled
// (it must go no further), S_FALSE when it takes the normal path.
HRESULT FilterTranslateAccelerator(const KeyFilterObject& filter, const MSG& message);

// Lets a component's platform window have Enter and the navigation keys
// before the form's dialog navigation takes them (a list's arrows and Enter,
// a picker's arrows), while Tab still moves the focus between controls.
// Translate makes it the active filter of the message pump; the component
// calls it whenever its platform window gets the focus.
class TranslateMessage final : private PendingMessages::KeyFilter {
public:
    TranslateMessage() = default;
    ~TranslateMessage() { Destroy(); }
    TranslateMessage(const TranslateMessage&) = delete;
    TranslateMessage& operator=(const TranslateMessage&) = delete;

    [[nodiscard]] bool Active() const noexcept { return active_; }
    [[nodiscard]] const KeyTarget* Control() const noexcept { return control_; }
    void SetControl(const KeyTarget* control) noexcept { control_ = control; }
    [[nodiscard]] bool HandleSpecialKeys() const noexcept { return handleSpecialKeys_; }
    void SetHandleSpecialKeys(bool handle) noexcept { handleSpecialKeys_ = handle; }
    [[nodiscard]] bool TranslateSpecialKeys() const noexcept { return translateSpecialKeys_; }
    void SetTranslateSpecialKeys(bool translate) noexcept { translateSpecialKeys_ = translate; }

    // Builds the filter from the settings as they are now; false (and
    // Active) when it is built already, so later settings take effect only
    // after Destroy.
    bool Create(FilterProcedure procedure);
    // Drops the filter and stops being the active one. Safe at any time.
    void Destroy() noexcept;
    void Translate();

private:
    bool TranslateKey(const MSG& message) override;

    bool active_ = false;
    const KeyTarget* control_ = nullptr;
    bool handleSpecialKeys_ = false;
    bool translateSpecialKeys_ = false;
    FilterProcedure procedure_ = nullptr;
    KeyFilterObject filter_;
};

} // namespace plumbing
