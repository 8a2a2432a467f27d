#include "app/Keyboard.h"

#include "platform/Win32.h"

#include <array>

namespace {

// GetKeyState gives the toggle in the low bit and the held key as the
// sign-extended byte 0x80, so these are the only states that occur.
constexpr std::int16_t ToggledState = 1;
constexpr std::int16_t HeldState = -128;
constexpr std::int16_t HeldAndToggledState = -127;

// GetKeyboardType's questions.
constexpr int TypeQuery = 0;
constexpr int FunctionKeyQuery = 2;

std::int16_t KeyState(int key)
{
    return static_cast<std::int16_t>(::GetKeyState(key));
}

std::wstring ActiveLayoutName()
{
    std::array<wchar_t, KL_NAMELENGTH> name{};
    if (!::GetKeyboardLayoutNameW(name.data())) {
        return {};
    }
    name.back() = L'\0';
    return name.data();
}

// The setting as a byte, or 0 when the system cannot give it.
template <typename Setting>
std::uint8_t SystemSetting(UINT query)
{
    Setting value = 0;
    if (!::SystemParametersInfoW(query, 0, &value, 0)) {
        return 0;
    }
    return static_cast<std::uint8_t>(value);
}

} // namespace

Keyboard::Keyboard()
    : functionkeys_(static_cast<std::uint8_t>(::GetKeyboardType(FunctionKeyQuery))),
      keyboardtype_(TypeText(::GetKeyboardType(TypeQuery))), layoutid_(ActiveLayoutName()),
      numlock_(IsLockOn(KeyState(VK_NUMLOCK))), scrolllock_(IsLockOn(KeyState(VK_SCROLL))),
      shiftlock_(IsLockOn(KeyState(VK_CAPITAL))), repeatdelay_(SystemSetting<int>(SPI_GETKEYBOARDDELAY)),
      repeatspeed_(SystemSetting<DWORD>(SPI_GETKEYBOARDSPEED))
{
}

bool Keyboard::IsTabKey() const
{
    return IsPressed(KeyState(VK_TAB));
}

std::wstring Keyboard::TypeText(int code)
{
    switch (code) {
    case 1:
        return L"IBM PC/XT or compatible (83 keys)";
    case 2:
        return L"Olivetti \"ICO\" (102 keys)";
    case 3:
        return L"IBM PC/AT or compatible (84 keys)";
    case 4:
        return L"IBM enhanced (101 or 102 keys)";
    case 5:
        return L"Nokia 1050 or compatible";
    case 6:
        return L"Nokia 9140 or compatible";
    case 7:
        return L"Japanese";
    default:
        return {};
    }
}

bool Keyboard::IsLockOn(std::int16_t keystate) noexcept
{
    return keystate == ToggledState || keystate == HeldAndToggledState;
}

bool Keyboard::IsPressed(std::int16_t keystate) noexcept
{
    return keystate == HeldState || keystate == HeldAndToggledState;
}
