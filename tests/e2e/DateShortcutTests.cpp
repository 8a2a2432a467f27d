// F1 takes a line's moment into the pickers, F3 stores the pickers' moment
// and F2 brings it back; all only while Gewijzigd is checked. The keys
// reach the program as a user's do, so each is followed by a real click
// whose effect shows that the key was handled before it.

#include "e2e/ProgramKey.h"
#include "e2e/VarnookTest.h"
#include "e2e/WindowChecks.h"

#include "probe/XInput.h"
#include "support/TempRegistryKey.h"

using namespace ControlIds;
using namespace WindowChecks;

class DateShortcutTest : public VarnookTest {
protected:
    [[nodiscard]] bool PickersHold(const SYSTEMTIME& moment) const
    {
        return SameMoment(Program().PickerMoment(DateTimePickerModifiedDate), moment) &&
            SameMoment(Program().PickerMoment(DateTimePickerModifiedTime), moment);
    }
    // Real input keeps its order: once the click's effect shows, every key before it has been handled.
    void SelectLine(int line) const
    {
        const ListViewReader list = Program().List(ListViewFolderItems);
        ClickLine(list, line, 0);
        ASSERT_TRUE(Becomes([&] { return list.Selected() == std::vector<int>{line} && list.Focused() == line; }));
    }
    void ClickModified(bool checked) const
    {
        XInput::ClickCentre(Program().Control(CheckOptionsModified));
        ASSERT_TRUE(Becomes([&] { return CheckedOf(Program(), CheckOptionsModified) == checked; }));
    }
};

TEST_F(DateShortcutTest, F1TakesTheLinesMomentF3StoresAndF2RestoresOnlyWhileModifiedIsChecked)
{
    const SYSTEMTIME first = Local(2021, 2, 3, 4, 5, 6);
    const SYSTEMTIME second = Local(2019, 12, 24, 18, 30, 45);
    SetLastWrite(Folder().MakeFile(L"first.txt"), first);
    SetLastWrite(Folder().MakeFile(L"second.txt"), second);
    ProgramKey::SetOption(L"Modified", 1);
    const ProgramUnderTest& program = Start(true);
    EXPECT_TRUE(EnabledOf(program, DateTimePickerModifiedDate));
    const std::optional<SYSTEMTIME> startMoment = program.PickerMoment(DateTimePickerModifiedDate);
    ASSERT_TRUE(startMoment.has_value());

    ClickBelowTheLines(program.List(ListViewFolderItems));
    XInput::Key("F1");
    SelectLine(0);
    EXPECT_TRUE(PickersHold(*startMoment)) << "F1 without a selection";

    XInput::Key("F1");
    EXPECT_TRUE(Becomes([&] { return PickersHold(first); }));
    XInput::Key("F3");
    EXPECT_TRUE(Becomes([&] { return ProgramKey::Text(L"ShortcutDate") == L"3-2-2021 04:05:06"; }));

    ClickModified(false);
    SelectLine(1);
    XInput::Key("F1");
    ClickModified(true);
    EXPECT_TRUE(PickersHold(first)) << "F1 with Gewijzigd off";

    XInput::Key("F1");
    EXPECT_TRUE(Becomes([&] { return PickersHold(second); }));
    XInput::Key("F2");
    EXPECT_TRUE(Becomes([&] { return PickersHold(first); }));
    EXPECT_TRUE(program.Boxes().Shown().empty());
}

namespace {

// The session's short date format for the life of the object; the prefix
// is shared by every later test.
class ShortDateFormat {
public:
    explicit ShortDateFormat(const std::wstring& format)
    {
        saved_ = TempRegistryKey::ReadRaw(Key, Value, type_, bytes_);
        TempRegistryKey::WriteRaw(
            Key, Value, REG_SZ, format.c_str(), static_cast<DWORD>((format.size() + 1) * sizeof(wchar_t)));
    }
    ~ShortDateFormat()
    {
        if (saved_) {
            TempRegistryKey::WriteRaw(Key, Value, type_, bytes_.data(), static_cast<DWORD>(bytes_.size()));
        } else {
            ::RegDeleteKeyValueW(HKEY_CURRENT_USER, Key, Value);
        }
    }
    ShortDateFormat(const ShortDateFormat&) = delete;
    ShortDateFormat& operator=(const ShortDateFormat&) = delete;

private:
    static constexpr const wchar_t* Key = L"Control Panel\\International";
    static constexpr const wchar_t* Value = L"sShortDate";
    bool saved_ = false;
    DWORD type_ = 0;
    std::vector<std::uint8_t> bytes_;
};

} // namespace

// A two-digit year in the short date would read 1925 back as 2025.
TEST_F(DateShortcutTest, F1KeepsTheCenturyWithATwoDigitYearShortDate)
{
    const ShortDateFormat twoDigitYear(L"d-M-yy");
    const SYSTEMTIME old = Local(1925, 6, 15, 12, 20, 30);
    SetLastWrite(Folder().MakeFile(L"old.txt"), old);
    ProgramKey::SetOption(L"Modified", 1);
    const ProgramUnderTest& program = Start(true);
    ASSERT_EQ(program.List(ListViewFolderItems).Text(0, 1).substr(0, 8), L"15-6-25 ")
        << "the short date did not reach the program";

    SelectLine(0);
    XInput::Key("F1");

    EXPECT_TRUE(Becomes([&] { return PickersHold(old); }));
}
