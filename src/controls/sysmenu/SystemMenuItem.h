#pragma once

#include <cstdint>
#include <string>

class SystemMenu;

// One entry that the system menu control adds: a text (an ampersand marks
// its access key) or a separator. Every change shows in the menu at once,
// unless the control's PreventUpdate holds it back.
class SystemMenuItem {
public:
    static constexpr std::int32_t StyleText = 0;
    static constexpr std::int32_t StyleSeparator = 1;

    SystemMenuItem(const SystemMenuItem&) = delete;
    SystemMenuItem& operator=(const SystemMenuItem&) = delete;

    [[nodiscard]] bool Checked() const noexcept { return checked_; }
    void SetChecked(bool checked);
    [[nodiscard]] bool Enabled() const noexcept { return enabled_; }
    void SetEnabled(bool enabled);
    // The position in the control's list.
    [[nodiscard]] std::int32_t Index() const noexcept { return index_; }
    // StyleText or StyleSeparator; other values are ignored.
    [[nodiscard]] std::int32_t Style() const noexcept { return style_; }
    void SetStyle(std::int32_t style);
    // Free text for the owner.
    [[nodiscard]] const std::wstring& Tag() const noexcept { return tag_; }
    void SetTag(const std::wstring& tag);
    [[nodiscard]] const std::wstring& Text() const noexcept { return text_; }
    void SetText(const std::wstring& text);

private:
    friend class SystemMenu;
    SystemMenuItem(SystemMenu& parent, std::int32_t index) : parent_(parent), index_(index) {}
    void Changed(const wchar_t* key);

    SystemMenu& parent_;
    std::int32_t style_ = StyleText;
    bool checked_ = false;
    bool enabled_ = true;
    std::int32_t index_;
    std::wstring tag_;
    std::wstring text_;
};
