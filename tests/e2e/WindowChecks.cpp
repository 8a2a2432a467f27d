#include "e2e/WindowChecks.h"

#include "probe/ProbeError.h"
#include "platform/Handles.h"
#include "probe/WindowReader.h"

std::wstring WindowChecks::TextOf(const ProgramUnderTest& program, int id)
{
    return WindowReader::Text(program.Control(id));
}

bool WindowChecks::EnabledOf(const ProgramUnderTest& program, int id)
{
    return WindowReader::IsEnabled(program.Control(id));
}

bool WindowChecks::CheckedOf(const ProgramUnderTest& program, int id)
{
    return WindowReader::IsChecked(program.Control(id));
}

bool WindowChecks::Becomes(const std::function<bool()>& condition)
{
    return Await::Until(condition);
}

void WindowChecks::ClickLine(const ListViewReader& list, int line, int column, MouseButton button, int count)
{
    XInput::ClickCentre(list.Hwnd(), list.CellRect(line, column), button, count);
}

void WindowChecks::ClickBelowTheLines(const ListViewReader& list)
{
    const LONG below = list.CellRect(list.Count() - 1, 0).bottom;
    XInput::ClickCentre(list.Hwnd(), RECT{0, below + 5, 40, below + 15});
}

std::vector<std::wstring> WindowChecks::ChildTexts(HWND window)
{
    std::vector<HWND> children;
    ::EnumChildWindows(
        window,
        [](HWND child, LPARAM found) {
            reinterpret_cast<std::vector<HWND>*>(found)->push_back(child);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&children));
    std::vector<std::wstring> texts;
    for (const HWND child : children) {
        texts.push_back(WindowReader::Text(child));
    }
    return texts;
}

SYSTEMTIME WindowChecks::Local(WORD year, WORD month, WORD day, WORD hour, WORD minute, WORD second)
{
    SYSTEMTIME moment{};
    moment.wYear = year;
    moment.wMonth = month;
    moment.wDay = day;
    moment.wHour = hour;
    moment.wMinute = minute;
    moment.wSecond = second;
    return moment;
}

void WindowChecks::SetLastWrite(const std::wstring& path, const SYSTEMTIME& local)
{
    SYSTEMTIME universal{};
    FILETIME written{};
    if (!::TzSpecificLocalTimeToSystemTime(nullptr, &local, &universal) ||
        !::SystemTimeToFileTime(&universal, &written)) {
        throw ProbeError(L"no file time for " + path);
    }
    const FileHandle item(::CreateFileW(path.c_str(), FILE_WRITE_ATTRIBUTES,
        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS,
        nullptr));
    if (!item.IsValid() || !::SetFileTime(item.Get(), nullptr, nullptr, &written)) {
        throw ProbeError(L"cannot set the time of " + path);
    }
}

bool WindowChecks::SameMoment(const std::optional<SYSTEMTIME>& shown, const SYSTEMTIME& expected)
{
    return shown.has_value() && shown->wYear == expected.wYear && shown->wMonth == expected.wMonth &&
        shown->wDay == expected.wDay && shown->wHour == expected.wHour && shown->wMinute == expected.wMinute &&
        shown->wSecond == expected.wSecond;
}
