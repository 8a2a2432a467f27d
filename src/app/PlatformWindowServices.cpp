#include "app/PlatformWindowServices.h"

#include "platform/PathForm.h"
#include "platform/PendingMessages.h"
#include "platform/PlatformText.h"

#include <utility>

PlatformWindowServices::PlatformWindowServices(HWND window, std::wstring applicationTitle)
    : window_(window), applicationTitle_(std::move(applicationTitle))
{
}

MessageBoxChoice PlatformWindowServices::ShowWarning(const std::wstring& text, MessageBoxButtons buttons)
{
    const UINT style = MB_ICONWARNING | (buttons == MessageBoxButtons::YesNo ? MB_YESNO : MB_OK);
    const int answer = ::MessageBoxW(window_, text.c_str(), applicationTitle_.c_str(), style);
    if (buttons == MessageBoxButtons::Ok) {
        return MessageBoxChoice::Ok;
    }
    // A box that could not be shown answers No: the question's action is not taken.
    return answer == IDYES ? MessageBoxChoice::Yes : MessageBoxChoice::No;
}

bool PlatformWindowServices::ProcessPendingMessages()
{
    return PendingMessages::Process();
}

void PlatformWindowServices::SetFocus()
{
    ::SetFocus(window_);
}

void PlatformWindowServices::Repaint()
{
    ::RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

HCURSOR PlatformWindowServices::CursorOf(MousePointer pointer)
{
    return ::LoadCursorW(nullptr, pointer == MousePointer::Hourglass ? IDC_WAIT : IDC_ARROW);
}

void PlatformWindowServices::SetMousePointer(MousePointer pointer)
{
    pointer_ = pointer;
    ::SetCursor(CursorOf(pointer));
}

std::optional<std::wstring> PlatformWindowServices::ShellPath(const std::wstring& path)
{
    if (path.size() < MAX_PATH) {
        return path;
    }
    const std::wstring extended = PathForm::Extended(path);
    const std::wstring shortened = PathForm::Ordinary(ReadPlatformText([&extended](wchar_t* buffer, DWORD capacity) {
        return ::GetShortPathNameW(extended.c_str(), buffer, capacity);
    }));
    if (shortened.empty() || shortened.size() >= MAX_PATH) {
        return std::nullopt;
    }
    return shortened;
}

bool PlatformWindowServices::ExecuteShellVerb(
    const wchar_t* verb, ULONG mask, const std::wstring& path, const std::wstring& workingFolder)
{
    const std::optional<std::wstring> file = ShellPath(path);
    if (!file) {
        return false;
    }
    const std::wstring folder = ShellPath(workingFolder).value_or(std::wstring());
    SHELLEXECUTEINFOW execute{sizeof(execute)};
    // The program reports a failure in its own words, so the shell shows none.
    execute.fMask = mask | SEE_MASK_FLAG_NO_UI;
    execute.hwnd = window_;
    execute.lpVerb = verb;
    execute.lpFile = file->c_str();
    execute.lpDirectory = folder.empty() ? nullptr : folder.c_str();
    execute.nShow = SW_SHOWNORMAL;
    return ::ShellExecuteExW(&execute) != FALSE;
}

bool PlatformWindowServices::OpenDocument(const std::wstring& document, const std::wstring& folder)
{
    return ExecuteShellVerb(L"open", SEE_MASK_NOASYNC, document, folder);
}

bool PlatformWindowServices::ShowProperties(const std::wstring& path)
{
    return ExecuteShellVerb(L"properties", SEE_MASK_INVOKEIDLIST, path, {});
}

void PlatformWindowServices::NotifyAssociationChanged()
{
    ::SHChangeNotify(SHCNE_ASSOCCHANGED, SHCNF_FLUSH, nullptr, nullptr);
}
