#include "app/Keyboard.h"

#include "platform/Win32.h"

#include <gtest/gtest.h>

#include <array>
#include <cwctype>

namespace {

// Key state bytes as SetKeyboardState takes them.
constexpr BYTE Up = 0x00;
constexpr BYTE Toggled = 0x01;
constexpr BYTE Held = 0x80;
constexpr BYTE HeldAndToggled = 0x81;

// Sets keys in this thread's own key state, which is what GetKeyState reads,
// and puts the state back afterwards.
class KeyboardState : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(::GetKeyboardState(saved_.data()));
        ClearLocks();
    }
    void TearDown() override { ::SetKeyboardState(saved_.data()); }

    static void SetKey(int key, BYTE state)
    {
        std::array<BYTE, 256> keys{};
        ASSERT_TRUE(::GetKeyboardState(keys.data()));
        keys[key] = state;
        ASSERT_TRUE(::SetKeyboardState(keys.data()));
    }

    static void ClearLocks()
    {
        for (const int key : {VK_CAPITAL, VK_NUMLOCK, VK_SCROLL, VK_TAB}) {
            SetKey(key, Up);
        }
    }

private:
    std::array<BYTE, 256> saved_{};
};

struct LockKey {
    int key;
    bool (Keyboard::*status)() const noexcept;
    const char* name;
};

const std::array<LockKey, 3> LockKeys{{
    {VK_CAPITAL, &Keyboard::ShiftLockStatus, "Caps Lock"},
    {VK_NUMLOCK, &Keyboard::NumLockStatus, "Num Lock"},
    {VK_SCROLL, &Keyboard::ScrollLockStatus, "Scroll Lock"},
}};

} // namespace

TEST(Keyboard, TypeTextsByCode)
{
    const std::pair<int, const wchar_t*> cases[] = {
        {1, L"IBM PC/XT or compatible (83 keys)"},
        {2, L"Olivetti \"ICO\" (102 keys)"},
        {3, L"IBM PC/AT or compatible (84 keys)"},
        {4, L"IBM enhanced (101 or 102 keys)"},
        {5, L"Nokia 1050 or compatible"},
        {6, L"Nokia 9140 or compatible"},
        {7, L"Japanese"},
        {0, L""},
        {8, L""},
        {-1, L""},
        {81, L""},
    };
    for (const auto& [code, text] : cases) {
        EXPECT_EQ(Keyboard::TypeText(code), text) << code;
    }
}

TEST(Keyboard, KeyStatesReadAsLockAndPress)
{
    struct Case {
        std::int16_t keystate;
        bool lockon;
        bool pressed;
    };
    const Case cases[] = {{0, false, false}, {1, true, false}, {-128, false, true}, {-127, true, true}};
    for (const Case& c : cases) {
        EXPECT_EQ(Keyboard::IsLockOn(c.keystate), c.lockon) << c.keystate;
        EXPECT_EQ(Keyboard::IsPressed(c.keystate), c.pressed) << c.keystate;
    }
}

TEST(Keyboard, DescribesThisKeyboard)
{
    const Keyboard keyboard;
    if (::GetKeyboardType(0) == 4) {
        EXPECT_EQ(keyboard.KeyboardType(), L"IBM enhanced (101 or 102 keys)");
    }
    EXPECT_EQ(int{keyboard.FunctionKeys()}, ::GetKeyboardType(2));
    ASSERT_EQ(keyboard.LayoutID().size(), 8u) << keyboard.LayoutID();
    for (const wchar_t digit : keyboard.LayoutID()) {
        EXPECT_TRUE(std::iswxdigit(digit)) << keyboard.LayoutID();
    }
}

// The platform documents delays of 0 to 3 and speeds of 0 to 31.
TEST(Keyboard, RepeatSettingsAreInTheirRanges)
{
    const Keyboard keyboard;
    EXPECT_LE(keyboard.RepeatDelay(), 3);
    EXPECT_LE(keyboard.RepeatSpeed(), 31);
    int delay = -1;
    DWORD speed = 0;
    ASSERT_TRUE(::SystemParametersInfoW(SPI_GETKEYBOARDDELAY, 0, &delay, 0));
    ASSERT_TRUE(::SystemParametersInfoW(SPI_GETKEYBOARDSPEED, 0, &speed, 0));
    EXPECT_EQ(int{keyboard.RepeatDelay()}, delay);
    EXPECT_EQ(DWORD{keyboard.RepeatSpeed()}, speed);
}

TEST_F(KeyboardState, EachLockReadsItsOwnKey)
{
    const std::pair<BYTE, bool> states[] = {{Up, false}, {Toggled, true}, {Held, false}, {HeldAndToggled, true}};
    for (const LockKey& lock : LockKeys) {
        for (const auto& [state, on] : states) {
            SCOPED_TRACE(testing::Message() << lock.name << " state " << int{state});
            ClearLocks();
            SetKey(lock.key, state);
            const Keyboard keyboard;
            for (const LockKey& other : LockKeys) {
                EXPECT_EQ((keyboard.*other.status)(), other.key == lock.key && on) << other.name;
            }
        }
    }
}

TEST_F(KeyboardState, SnapshotDoesNotFollowLaterChanges)
{
    SetKey(VK_CAPITAL, Toggled);
    const Keyboard before;
    SetKey(VK_CAPITAL, Up);

    EXPECT_TRUE(before.ShiftLockStatus());
    EXPECT_FALSE(Keyboard().ShiftLockStatus());
}

TEST_F(KeyboardState, TabKeyIsReadWhenAsked)
{
    const Keyboard keyboard;
    const std::pair<BYTE, bool> states[] = {{Held, true}, {HeldAndToggled, true}, {Toggled, false}, {Up, false}};
    for (const auto& [state, pressed] : states) {
        SetKey(VK_TAB, state);
        EXPECT_EQ(keyboard.IsTabKey(), pressed) << int{state};
    }
}
