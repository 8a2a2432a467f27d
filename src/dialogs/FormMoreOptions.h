#pragma once

#include "controls/host/ComponentFont.h"
#include "engine/RunRules.h"
#include "platform/BaseWindow.h"
#include "platform/Win32.h"

#include <initializer_list>

// The "Meer opties" window: the rules of a run beyond the letter-case style
// and the chosen moment, in a group for the name and one for the times, with
// OK and Annuleren. Like About it is modal to its owner and made anew for
// every showing; the rules change only when the user chooses OK.
class FormMoreOptions final : public BaseWindow<FormMoreOptions> {
public:
    static constexpr const wchar_t* WindowClassName = L"PellonarVarnookMoreOptions";

    // Child control identifiers, in tab order; OK and Annuleren are IDOK and
    // IDCANCEL, so Enter and Esc reach them.
    static constexpr int IdExtension = 100;
    static constexpr int IdWordBreaks = 101;
    static constexpr int IdCreated = 102;
    static constexpr int IdAccessed = 103;
    static constexpr int IdWritten = 104;
    static constexpr int IdSource = 105;
    static constexpr int IdShiftSign = 106;
    static constexpr int IdDays = 107;
    static constexpr int IdHours = 108;
    static constexpr int IdMinutes = 109;
    static constexpr int IdSeconds = 110;

    FormMoreOptions() = default;
    ~FormMoreOptions();

    // The DPI to lay out for; 0 (the default) takes the owner's.
    void SetDpi(UINT dpi) noexcept { dpi_ = dpi; }

    // Shows `rules`, centred on `owner` and with `owner` disabled, and
    // returns when the window has closed: true, with `rules` changed, when
    // the user chose OK.
    bool ShowModal(HWND owner, RunRules& rules);

private:
    friend class BaseWindow<FormMoreOptions>;
    LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam);

    bool Create(HWND owner);
    void Load(const RunRules& rules);
    HWND AddChild(
        const wchar_t* className, const wchar_t* text, DWORD style, const RECT& bounds, int id = 0, DWORD exStyle = 0);
    void AddLabel(const wchar_t* text, const RECT& bounds);
    void AddCheck(const wchar_t* text, DWORD style, const RECT& bounds, int id, bool checked);
    void AddList(std::initializer_list<const wchar_t*> items, const RECT& bounds, int id, int selected, int drop);
    void AddNumber(const RECT& bounds, int id, int maximum, int value, int spinWidth);
    [[nodiscard]] bool IsChecked(int id) const;
    [[nodiscard]] int Selected(int id) const;
    [[nodiscard]] int Number(int id, int maximum) const;
    [[nodiscard]] RunRules Chosen() const;
    void OnNextControl(WPARAM which, bool isControl);
    void OnCommand(int id, int code);
    void EnableOk();
    void MakeDefault(int id);

    UINT dpi_ = 0;
    UINT shownDpi_ = 0;
    RunRules shown_;
    RunRules chosen_;
    bool accepted_ = false;
    bool closing_ = false;
    ComponentFont textFont_;
};
