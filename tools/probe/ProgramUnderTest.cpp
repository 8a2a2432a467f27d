#include "probe/ProgramUnderTest.h"

#include "platform/PlatformText.h"
#include "probe/DateTimePickerReader.h"
#include "probe/ProbeError.h"
#include "probe/ToolTipReader.h"
#include "probe/WindowReader.h"

namespace {

std::wstring FolderOf(const std::wstring& path)
{
    const size_t separator = path.find_last_of(L"\\/");
    return separator == std::wstring::npos ? std::wstring() : path.substr(0, separator);
}

} // namespace

ProgramUnderTest::ProgramUnderTest(const ProgramStart& start) : mainPattern_(start.mainWindow)
{
    std::wstring commandLine = L"\"" + start.executable + L"\"";
    if (!start.arguments.empty()) {
        commandLine += L" " + start.arguments;
    }
    const std::wstring folder = start.workingFolder.empty() ? FolderOf(start.executable) : start.workingFolder;
    STARTUPINFOW startup{sizeof(startup)};
    PROCESS_INFORMATION started{};
    if (!::CreateProcessW(start.executable.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
            folder.empty() ? nullptr : folder.c_str(), &startup, &started)) {
        throw ProbeError(L"cannot start " + start.executable + L" (error " + std::to_wstring(::GetLastError()) + L")");
    }
    const KernelHandle thread(started.hThread);
    process_.Reset(started.hProcess);
    processId_ = started.dwProcessId;
}

ProgramUnderTest::~ProgramUnderTest()
{
    Kill();
}

HWND ProgramUnderTest::WaitForMainWindow(Await::Milliseconds timeout)
{
    const auto shown = Await::Value<HWND>(
        [this]() -> std::optional<HWND> {
            const HWND window = WindowFinder::FirstTopLevel(processId_, mainPattern_);
            // A program that ended cannot show a window any more: stop waiting.
            if (window != nullptr || !IsRunning()) {
                return window;
            }
            return std::nullopt;
        },
        timeout);
    if (!shown.has_value() || *shown == nullptr) {
        const std::optional<DWORD> exitCode = WaitForExit(Await::Milliseconds(0));
        throw ProbeError(exitCode.has_value()
                ? L"the program ended with exit code " + std::to_wstring(*exitCode) + L" before showing its window"
                : L"the program showed no window \"" + mainPattern_.title + L"\" in time");
    }
    mainWindow_ = *shown;
    WaitUntilIdle(timeout);
    return mainWindow_;
}

HWND ProgramUnderTest::MainWindow() const
{
    if (mainWindow_ == nullptr) {
        throw ProbeError(L"the main window has not been waited for");
    }
    return mainWindow_;
}

bool ProgramUnderTest::WaitUntilIdle(Await::Milliseconds timeout) const
{
    return ::WaitForInputIdle(process_.Get(), static_cast<DWORD>(timeout.count())) == 0;
}

HWND ProgramUnderTest::Control(int id) const
{
    const HWND control = WindowFinder::Child(MainWindow(), id);
    if (control == nullptr) {
        throw ProbeError(L"the main window has no control " + std::to_wstring(id));
    }
    return control;
}

HWND ProgramUnderTest::PlatformControl(int id, const std::wstring& className) const
{
    const HWND control = Control(id);
    if (WindowFinder::ClassName(control) == className) {
        return control;
    }
    const HWND inner = WindowFinder::Descendant(control, className);
    if (inner == nullptr) {
        throw ProbeError(L"control " + std::to_wstring(id) + L" holds no " + className);
    }
    return inner;
}

ListViewReader ProgramUnderTest::List(int id) const
{
    return ListViewReader(Process(), PlatformControl(id, WC_LISTVIEWW));
}

std::optional<SYSTEMTIME> ProgramUnderTest::PickerMoment(int id) const
{
    return DateTimePickerReader::Moment(Process(), PlatformControl(id, DATETIMEPICK_CLASSW));
}

std::optional<std::wstring> ProgramUnderTest::ToolTipOf(int id) const
{
    return ToolTipReader::TextFor(Process(), Control(id));
}

HWND ProgramUnderTest::WaitForWindow(const std::wstring& title, Await::Milliseconds timeout) const
{
    const auto window = Await::Value<HWND>(
        [&]() -> std::optional<HWND> {
            const HWND found = WindowFinder::FirstTopLevel(processId_, {L"", title, true});
            return found != nullptr ? std::optional<HWND>(found) : std::nullopt;
        },
        timeout);
    if (!window.has_value()) {
        throw ProbeError(L"the program showed no window \"" + title + L"\" in time");
    }
    return *window;
}

void ProgramUnderTest::PostClose() const
{
    ::PostMessageW(MainWindow(), WM_CLOSE, 0, 0);
}

void ProgramUnderTest::PostSystemCommand(WPARAM command) const
{
    ::PostMessageW(MainWindow(), WM_SYSCOMMAND, command, 0);
}

void ProgramUnderTest::PostClick(int id) const
{
    ::PostMessageW(Control(id), BM_CLICK, 0, 0);
}

bool ProgramUnderTest::IsRunning() const
{
    return ::WaitForSingleObject(process_.Get(), 0) == WAIT_TIMEOUT;
}

std::optional<DWORD> ProgramUnderTest::WaitForExit(Await::Milliseconds timeout) const
{
    if (::WaitForSingleObject(process_.Get(), static_cast<DWORD>(timeout.count())) != WAIT_OBJECT_0) {
        return std::nullopt;
    }
    DWORD exitCode = 0;
    ::GetExitCodeProcess(process_.Get(), &exitCode);
    return exitCode;
}

void ProgramUnderTest::Kill() noexcept
{
    if (process_ && IsRunning()) {
        ::TerminateProcess(process_.Get(), 1);
        ::WaitForSingleObject(process_.Get(), 5000);
    }
}

std::wstring ProgramUnderTest::FindBeside(const std::wstring& fileName)
{
    std::wstring folder = FolderOf(ReadPlatformText(
        [](wchar_t* buffer, DWORD capacity) { return ::GetModuleFileNameW(nullptr, buffer, capacity); }));
    for (; !folder.empty(); folder = FolderOf(folder)) {
        const std::wstring candidate = folder + L"\\" + fileName;
        if (::GetFileAttributesW(candidate.c_str()) != INVALID_FILE_ATTRIBUTES) {
            return candidate;
        }
    }
    throw ProbeError(L"no " + fileName + L" next to the tests or above them");
}
