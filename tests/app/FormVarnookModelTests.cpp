#include "app/FormVarnookModel.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using CheckBoxOf = CheckBoxModel& (FormVarnookModel::*)();

struct NamedCheckBox {
    const char* name;
    CheckBoxOf box;
};

const NamedCheckBox CheckBoxes[] = {
    {"CheckOptionsLog", &FormVarnookModel::CheckOptionsLog},
    {"CheckOptionsSubfolders", &FormVarnookModel::CheckOptionsSubfolders},
    {"CheckOptionsModified", &FormVarnookModel::CheckOptionsModified},
    {"CheckOptionsIgnorereadonly", &FormVarnookModel::CheckOptionsIgnorereadonly},
    {"CheckOptionsHiddensystem", &FormVarnookModel::CheckOptionsHiddensystem},
};

Variant DateOf(int year, int month, int day, int hour = 0, int minute = 0, int second = 0)
{
    return Variant(*OleDate::FromParts(year, month, day, hour, minute, second));
}

TEST(FormVarnookModel, StartsAsTheWindowIsDesigned)
{
    FormVarnookModel form;
    auto& list = form.ListViewFolderItems();
    ASSERT_EQ(list.Count(), 2);
    EXPECT_EQ(list.Column(0)->ActualWidth(), 178);
    EXPECT_EQ(list.Column(1)->ActualWidth(), 131);
    EXPECT_EQ(list.ListItems().Count(), 0);
    EXPECT_EQ(form.ComboOptionsConversion().ListIndex(), -1);
    for (const auto& check : CheckBoxes) {
        EXPECT_EQ((form.*check.box)().Value(), 0) << check.name;
    }
    EXPECT_TRUE(form.CommandProcess().Enabled());
    EXPECT_EQ(form.LabelFolderCurrentfolder().Width(), 313);
    EXPECT_EQ(form.LabelFolderCurrentfolder().Font(), nullptr);
    EXPECT_EQ(form.DateTimePickerModifiedDate().Value().GetKind(), Variant::Kind::Date);
}

// Restoring the options at load relies on this: setting a box from code
// runs its click handling as a user's click does.
TEST(FormVarnookModel, SettingACheckBoxFromCodeRunsItsClickHandling)
{
    for (const auto& check : CheckBoxes) {
        FormVarnookModel form;
        CheckBoxModel& box = (form.*check.box)();
        std::vector<std::int32_t> seen;
        box.SetClickHandler([&] { seen.push_back(box.Value()); });

        box.SetValue(1);
        box.SetValue(0);
        EXPECT_EQ(seen, (std::vector<std::int32_t>{1, 0})) << check.name;
    }
}

TEST(FormVarnookModel, ACheckBoxClickNeedsAChange)
{
    FormVarnookModel form;
    auto& box = form.CheckOptionsModified();
    int clicks = 0;
    box.SetClickHandler([&] { ++clicks; });
    box.SetValue(0);
    box.SetValue(1);
    box.SetValue(1);
    EXPECT_EQ(clicks, 1);
}

TEST(FormVarnookModel, CheckBoxesHoldOnlyZeroOrOne)
{
    FormVarnookModel form;
    auto& box = form.CheckOptionsLog();
    int clicks = 0;
    box.SetClickHandler([&] { ++clicks; });
    box.SetValue(1);
    for (const std::int32_t refused : {2, -1, 255}) {
        box.SetValue(refused);
        EXPECT_EQ(box.Value(), 1) << refused;
    }
    EXPECT_EQ(clicks, 1);
}

TEST(FormVarnookModel, CheckBoxWithoutHandlerStillChanges)
{
    FormVarnookModel form;
    form.CheckOptionsSubfolders().SetValue(1);
    EXPECT_EQ(form.CheckOptionsSubfolders().Value(), 1);
}

TEST(FormVarnookModel, ConversionIndexOutsideTheStylesClearsTheSelection)
{
    FormVarnookModel form;
    auto& combo = form.ComboOptionsConversion();
    const std::pair<std::int32_t, std::int32_t> cases[] = {
        {0, 0}, {4, 4}, {5, -1}, {2, 2}, {-1, -1}, {-7, -1}, {255, -1}};
    for (const auto& [assigned, read] : cases) {
        combo.SetListIndex(assigned);
        EXPECT_EQ(combo.ListIndex(), read) << assigned;
    }
}

TEST(FormVarnookModel, PickerKeepsADateOrADateTextAsGiven)
{
    FormVarnookModel form;
    auto& picker = form.DateTimePickerModifiedDate();
    const Variant date = DateOf(2026, 12, 7, 14, 3, 5);
    picker.SetValue(date);
    EXPECT_EQ(picker.Value(), date);

    const std::wstring text = DateOf(2026, 12, 8, 9, 15, 0).ToText();
    picker.SetValue(Variant(text));
    EXPECT_EQ(picker.Value().GetKind(), Variant::Kind::Text);
    EXPECT_EQ(picker.Value().ToText(), text);
    EXPECT_EQ(picker.Value().Day(), 8);
}

TEST(FormVarnookModel, PickerIgnoresWhatIsNoDateOrOutsideItsRange)
{
    FormVarnookModel form;
    auto& picker = form.DateTimePickerModifiedTime();
    const Variant kept = DateOf(2026, 12, 7, 14, 3, 5);
    picker.SetValue(kept);
    const Variant refused[] = {
        Variant(L""),
        Variant(L"geen datum"),
        Variant(),
        Variant(std::int32_t{45000}),
        Variant(true),
        DateOf(1600, 12, 31, 23, 59, 59),
    };
    for (const Variant& value : refused) {
        picker.SetValue(value);
        EXPECT_EQ(picker.Value(), kept) << static_cast<int>(value.GetKind());
    }
    const Variant firstDay = DateOf(1601, 1, 1);
    picker.SetValue(firstDay);
    EXPECT_EQ(picker.Value(), firstDay);
    const Variant lastMoment = DateOf(9999, 12, 31, 23, 59, 59);
    picker.SetValue(lastMoment);
    EXPECT_EQ(picker.Value(), lastMoment);
}

TEST(FormVarnookModel, LabelAndButtonKeepWhatIsSet)
{
    FormVarnookModel form;
    auto& label = form.LabelFolderCurrentfolder();
    label.SetCaption(L"C:\\...\\Map");
    label.SetToolTipText(L"C:\\Gegevens\\Lange naam\\Map");
    label.SetWidth(200);
    const HFONT font = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
    label.SetFont(font);
    EXPECT_EQ(label.Caption(), L"C:\\...\\Map");
    EXPECT_EQ(label.ToolTipText(), L"C:\\Gegevens\\Lange naam\\Map");
    EXPECT_EQ(label.Width(), 200);
    EXPECT_EQ(label.Font(), font);

    form.CommandProcess().SetEnabled(false);
    EXPECT_FALSE(form.CommandProcess().Enabled());
}

// The procedures see the model only through the window's state interface.
TEST(FormVarnookModel, WorksThroughTheStateInterface)
{
    FormVarnookModel model;
    FormVarnookState& state = model;
    auto& items = state.ListViewFolderItems().ListItems();
    items.Item(items.Add(L"map <DIR>"))->SetTag(L"1");
    items.Item(0)->SetSelected(true);
    EXPECT_EQ(state.ListViewFolderItems().SelectedItem()->Tag(), L"1");
    state.ProgressBarVarnook().SetMax(1);
    state.ProgressBarVarnook().SetValue(1);
    EXPECT_EQ(model.ProgressBarVarnook().Value(), 1);
}

} // namespace
