#pragma once

#include <cstdint>
#include <string>

// What the keyboard is and how it is set, taken once when the object is made:
// a later key press or setting change shows only in a new object. Only
// IsTabKey looks at the keyboard when it is called.
class Keyboard {
public:
    Keyboard();

    [[nodiscard]] std::uint8_t FunctionKeys() const noexcept { return functionkeys_; }
    [[nodiscard]] const std::wstring& KeyboardType() const noexcept { return keyboardtype_; }
    // The active input layout's name: eight hexadecimal digits.
    [[nodiscard]] const std::wstring& LayoutID() const noexcept { return layoutid_; }
    [[nodiscard]] bool NumLockStatus() const noexcept { return numlock_; }
    [[nodiscard]] bool ScrollLockStatus() const noexcept { return scrolllock_; }
    [[nodiscard]] bool ShiftLockStatus() const noexcept { return shiftlock_; }
    [[nodiscard]] std::uint8_t RepeatDelay() const noexcept { return repeatdelay_; }
    [[nodiscard]] std::uint8_t RepeatSpeed() const noexcept { return repeatspeed_; }

    // Whether the Tab key is held down now.
    [[nodiscard]] bool IsTabKey() const;

    // The description of a platform keyboard type code; empty for codes it does not know.
    [[nodiscard]] static std::wstring TypeText(int code);
    // Whether a key state, as the platform reports it, shows a lock key switched on.
    [[nodiscard]] static bool IsLockOn(std::int16_t keystate) noexcept;
    // Whether a key state shows the key held down.
    [[nodiscard]] static bool IsPressed(std::int16_t keystate) noexcept;

private:
    std::uint8_t functionkeys_ = 0;
    std::wstring keyboardtype_;
    std::wstring layoutid_;
    bool numlock_ = false;
    bool scrolllock_ = false;
    bool shiftlock_ = false;
    std::uint8_t repeatdelay_ = 0;
    std::uint8_t repeatspeed_ = 0;
};
