#include "ProcessingTestBed.h"

ListItemState* ProcessingTestBed::Line(const std::wstring& name)
{
    auto& items = state.ListViewFolderItems().ListItems();
    for (std::int32_t i = 0; i < items.Count(); ++i) {
        if (listing.RowText(items.Item(i)->Row(), FolderListing::NameColumn) == name) {
            return items.Item(i);
        }
    }
    ADD_FAILURE() << "no line " << testing::PrintToString(name);
    static struct : ListItemState {
        const FolderRow& Row() const override { return row; }
        void SetRow(FolderRow) override {}
        bool Selected() const override { return false; }
        void SetSelected(bool) override {}
        FolderRow row;
    } missing;
    return &missing;
}

std::vector<std::wstring> ProcessingTestBed::ShownNames()
{
    std::vector<std::wstring> names;
    auto& items = state.ListViewFolderItems().ListItems();
    for (std::int32_t i = 0; i < items.Count(); ++i) {
        names.push_back(listing.RowText(items.Item(i)->Row(), FolderListing::NameColumn));
    }
    return names;
}

void ProcessingTestBed::ListAndSelectFiles(const std::vector<std::wstring>& names)
{
    for (const std::wstring& name : names) {
        const FileHandle made(::CreateFileW((folder.Path() + L"\\" + name).c_str(), GENERIC_WRITE, 0, nullptr,
            CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
    }
    List();
    for (const std::wstring& name : names) {
        Select(name);
    }
}

void ProcessingTestBed::Choose(int style, bool modified)
{
    state.ComboOptionsConversion().SetListIndex(style);
    state.CheckOptionsModified().SetValue(modified ? 1 : 0);
}

void ProcessingTestBed::SetMoment(int year, int month, int day, int hour, int minute, int second)
{
    // The date picker's time of day and the time picker's date must not matter.
    state.DateTimePickerModifiedDate().SetValue(Variant(*OleDate::FromParts(year, month, day, 7, 7, 7)));
    state.DateTimePickerModifiedTime().SetValue(Variant(*OleDate::FromParts(2003, 3, 3, hour, minute, second)));
}

std::vector<std::wstring> ProcessingTestBed::WarningTexts() const
{
    std::vector<std::wstring> texts;
    for (const auto& warning : window.warnings) {
        texts.push_back(warning.text);
    }
    return texts;
}

std::wstring ProcessingTestBed::Moment(const std::wstring& path)
{
    const FileSystem fileSystem;
    return (fileSystem.IsFolder(path) ? fileSystem.GetFolderDateTime(path) : fileSystem.GetFileDateTime(path)).ToText();
}

int ProcessingTestBed::Attributes(const std::wstring& path)
{
    return FileSystem().GetFileAttributes(path) & 0x7;
}
