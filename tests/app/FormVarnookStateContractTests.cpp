// The window's procedures are tested against in-memory stand-ins for its
// controls. Every case here runs against the stand-ins and against the real
// controls alike, so the stand-ins cannot drift from what they stand for.

#include "app/FormVarnookControls.h"
#include "platform/Dpi.h"
#include "support/FormVarnookModel.h"
#include "support/TestHostWindow.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

struct StandIns {
    FormVarnookModel model;

    FormVarnookState& State() { return model; }
    void MoveFocus(std::int32_t line) { model.ListViewFolderItems().ListItems().SetFocusedIndex(line); }
    static std::int32_t DesignedLabelWidth() { return 313; }
};

struct RealControls {
    TestHostWindow host;
    FormVarnookControls controls{host.Site()};

    RealControls() { controls.ReadDesign(); }
    FormVarnookState& State() { return controls; }
    void MoveFocus(std::int32_t line)
    {
        LVITEMW focus{LVIF_STATE};
        focus.state = LVIS_FOCUSED;
        focus.stateMask = LVIS_FOCUSED;
        ::SendMessageW(controls.ListViewFolderItems().ControlHwnd(), LVM_SETITEMSTATE, static_cast<WPARAM>(line),
            reinterpret_cast<LPARAM>(&focus));
    }
    static std::int32_t DesignedLabelWidth() { return Dpi::FromTwips(4695, Dpi::OfSystem()); }
};

template <typename Provider>
class FormVarnookStateContract : public testing::Test {
protected:
    FormVarnookState& State() { return provider->State(); }
    ListItemsState& Items() { return State().ListViewFolderItems().ListItems(); }
    ListItemState& Line(std::int32_t index) { return *Items().Item(index); }
    void AddLines(std::int32_t count)
    {
        for (std::int32_t i = 0; i < count; ++i) {
            Items().Add(FolderRow{L"line " + std::to_wstring(i)});
        }
    }

    std::unique_ptr<Provider> provider = std::make_unique<Provider>();
};

using Providers = testing::Types<StandIns, RealControls>;
TYPED_TEST_SUITE(FormVarnookStateContract, Providers);

Variant DateOf(int year, int month, int day, int hour = 0, int minute = 0, int second = 0)
{
    return Variant(*OleDate::FromParts(year, month, day, hour, minute, second));
}

TYPED_TEST(FormVarnookStateContract, StartsAsTheWindowIsDesigned)
{
    FormVarnookState& state = this->State();
    ListViewState& list = state.ListViewFolderItems();
    ASSERT_EQ(list.Count(), 3);
    EXPECT_EQ(list.Column(0)->ActualWidth(), 178);
    EXPECT_EQ(list.Column(1)->ActualWidth(), 131);
    EXPECT_EQ(list.Column(2)->ActualWidth(), 178);
    EXPECT_EQ(list.Column(3), nullptr);
    EXPECT_EQ(list.ListItems().Count(), 0);
    EXPECT_EQ(list.SelectedItem(), nullptr);
    EXPECT_EQ(state.ComboOptionsConversion().ListIndex(), -1);
    for (CheckBoxState* box : {&state.CheckOptionsLog(), &state.CheckOptionsSubfolders(), &state.CheckOptionsModified(),
             &state.CheckOptionsIgnorereadonly(), &state.CheckOptionsHiddensystem()}) {
        EXPECT_EQ(box->Value(), 0);
    }
    EXPECT_TRUE(state.CommandProcess().Enabled());
    EXPECT_EQ(state.LabelFolderCurrentfolder().Width(), TypeParam::DesignedLabelWidth());
    EXPECT_EQ(state.ProgressBarVarnook().Min(), 0);
    EXPECT_EQ(state.ProgressBarVarnook().Max(), 100);
    EXPECT_EQ(state.ProgressBarVarnook().Value(), 0);
}

TYPED_TEST(FormVarnookStateContract, LinesKeepTheirItemsUntilTheListIsCleared)
{
    EXPECT_EQ(this->Items().Add(FolderRow{L"map", true, DateOf(2026, 12, 7).ToDate(), FILE_ATTRIBUTE_DIRECTORY}), 0);
    EXPECT_EQ(this->Items().Add(FolderRow{L"a.txt"}), 1);
    EXPECT_EQ(this->Items().Item(2), nullptr);
    EXPECT_EQ(this->Items().Item(-1), nullptr);
    EXPECT_TRUE(this->Line(0).Row().IsFolder);
    EXPECT_EQ(this->Line(0).Row().Modified, DateOf(2026, 12, 7).ToDate());
    EXPECT_FALSE(this->Line(1).Selected());

    this->Line(1).SetRow(FolderRow{L"A.TXT"});
    EXPECT_EQ(this->Line(1).Row().Name, L"A.TXT");
    this->Line(1).SetSelected(true);
    this->Items().Clear();
    EXPECT_EQ(this->Items().Count(), 0);
    EXPECT_EQ(this->Items().SelectedCount(), 0);
    EXPECT_EQ(this->State().ListViewFolderItems().SelectedItem(), nullptr);
    EXPECT_EQ(this->Items().Add(FolderRow{L"again"}), 0);
    EXPECT_FALSE(this->Line(0).Selected());
}

// F1 takes the moment of the line that has the focus and is selected.
TYPED_TEST(FormVarnookStateContract, TheSelectedItemIsTheFocusedLineWhileItIsSelected)
{
    this->AddLines(3);
    ListViewState& list = this->State().ListViewFolderItems();
    this->Line(0).SetSelected(true);
    this->Line(2).SetSelected(true);
    EXPECT_EQ(list.SelectedItem(), &this->Line(2));
    this->Line(0).SetSelected(false);
    EXPECT_EQ(list.SelectedItem(), &this->Line(2));
    this->provider->MoveFocus(1);
    EXPECT_EQ(list.SelectedItem(), nullptr);
    this->Line(1).SetSelected(true);
    this->Line(1).SetSelected(false);
    EXPECT_EQ(list.SelectedItem(), nullptr);
    EXPECT_EQ(this->Items().SelectedCount(), 1);
}

TYPED_TEST(FormVarnookStateContract, TheSelectedCountCountsChangesOnly)
{
    this->AddLines(3);
    this->Line(0).SetSelected(true);
    this->Line(0).SetSelected(true);
    this->Line(2).SetSelected(false);
    EXPECT_EQ(this->Items().SelectedCount(), 1);
    this->Line(0).SetSelected(false);
    this->Line(0).SetSelected(false);
    EXPECT_EQ(this->Items().SelectedCount(), 0);
}

TYPED_TEST(FormVarnookStateContract, ColumnsRefuseWidthsBelowOne)
{
    ColumnState& column = *this->State().ListViewFolderItems().Column(1);
    column.SetActualWidth(115);
    for (const std::int32_t refused : {0, -5}) {
        column.SetActualWidth(refused);
        EXPECT_EQ(column.ActualWidth(), 115) << refused;
    }
}

// Restoring the options at load relies on this: setting a box from code
// runs its click handling as a user's click does, once per change.
TYPED_TEST(FormVarnookStateContract, ACheckBoxSetFromCodeRunsItsClickHandlingOncePerChange)
{
    CheckBoxState& box = this->State().CheckOptionsModified();
    std::vector<std::int32_t> seen;
    box.SetClickHandler([&] { seen.push_back(box.Value()); });
    box.SetValue(0);
    box.SetValue(1);
    box.SetValue(1);
    for (const std::int32_t refused : {2, -1, 255}) {
        box.SetValue(refused);
    }
    box.SetValue(0);
    EXPECT_EQ(seen, (std::vector<std::int32_t>{1, 0}));
}

TYPED_TEST(FormVarnookStateContract, AStyleOutsideTheEntriesClearsTheSelection)
{
    ComboBoxState& combo = this->State().ComboOptionsConversion();
    const std::pair<std::int32_t, std::int32_t> cases[] = {{0, 0}, {4, 4}, {5, -1}, {2, 2}, {-1, -1}, {255, -1}};
    for (const auto& [assigned, read] : cases) {
        combo.SetListIndex(assigned);
        EXPECT_EQ(combo.ListIndex(), read) << assigned;
    }
}

TYPED_TEST(FormVarnookStateContract, APickerKeepsADateOrADateTextAndIgnoresTheRest)
{
    DateTimePickerState& picker = this->State().DateTimePickerModifiedDate();
    const Variant date = DateOf(2026, 12, 7, 14, 3, 5);
    picker.SetValue(date);
    EXPECT_EQ(picker.Value(), date);
    for (const Variant& refused : {Variant(L"geen datum"), Variant(), DateOf(1600, 12, 31, 23, 59, 59)}) {
        picker.SetValue(refused);
        EXPECT_EQ(picker.Value(), date);
    }
    const std::wstring text = DateOf(2026, 12, 8, 9, 15, 0).ToText();
    picker.SetValue(Variant(text));
    EXPECT_EQ(picker.Value().ToDate(), DateOf(2026, 12, 8, 9, 15, 0).ToDate());
    picker.SetValue(DateOf(9999, 12, 31, 23, 59, 59));
    EXPECT_EQ(picker.Value(), DateOf(9999, 12, 31, 23, 59, 59));
}

TYPED_TEST(FormVarnookStateContract, TheProgressBarIgnoresAssignmentsThatBreakItsRange)
{
    struct Case {
        const char* name;
        void (*assign)(ProgressBarState&);
        std::int32_t min;
        std::int32_t max;
        std::int32_t value;
    };
    const Case cases[] = {
        {"Max equal to Min", [](ProgressBarState& b) { b.SetMax(b.Min()); }, 10, 50, 20},
        {"Max one above Min", [](ProgressBarState& b) { b.SetMax(11); }, 10, 11, 11},
        {"negative Min", [](ProgressBarState& b) { b.SetMin(-1); }, 10, 50, 20},
        {"Min equal to Max", [](ProgressBarState& b) { b.SetMin(50); }, 10, 50, 20},
        {"Value above Max", [](ProgressBarState& b) { b.SetValue(51); }, 10, 50, 20},
        {"Value below Min", [](ProgressBarState& b) { b.SetValue(9); }, 10, 50, 20},
        {"Max past 16 bits", [](ProgressBarState& b) { b.SetMax(70000); }, 10, 70000, 20},
    };
    ProgressBarState& bar = this->State().ProgressBarVarnook();
    for (const Case& c : cases) {
        bar.SetMin(0);
        bar.SetMax(100);
        bar.SetValue(0);
        bar.SetMin(10);
        bar.SetMax(50);
        bar.SetValue(20);
        c.assign(bar);
        EXPECT_EQ(bar.Min(), c.min) << c.name;
        EXPECT_EQ(bar.Max(), c.max) << c.name;
        EXPECT_EQ(bar.Value(), c.value) << c.name;
    }
    bar.SetMax(15);
    EXPECT_EQ(bar.Value(), 15);
}

TYPED_TEST(FormVarnookStateContract, LabelAndButtonKeepWhatIsSet)
{
    LabelState& label = this->State().LabelFolderCurrentfolder();
    label.SetCaption(L"C:\\...\\Map");
    label.SetToolTipText(L"C:\\Gegevens\\Lange naam\\Map");
    EXPECT_EQ(label.Caption(), L"C:\\...\\Map");
    EXPECT_EQ(label.ToolTipText(), L"C:\\Gegevens\\Lange naam\\Map");
    this->State().CommandProcess().SetEnabled(false);
    EXPECT_FALSE(this->State().CommandProcess().Enabled());
}

} // namespace
