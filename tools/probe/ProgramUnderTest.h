#pragma once

#include "platform/Handles.h"
#include "probe/Await.h"
#include "probe/ListViewReader.h"
#include "probe/MessageBoxes.h"
#include "probe/WindowFinder.h"

#include <optional>
#include <string>

// How to start a program and tell its main window.
struct ProgramStart {
    std::wstring executable;
    std::wstring arguments;
    // Empty: the executable's folder.
    std::wstring workingFolder;
    WindowFinder::Pattern mainWindow;
};

// One run of a real program, driven from this process. The object starts
// the program; when it goes away it ends whatever is still running, so a
// failed test never leaves a program behind to disturb the next one.
// Controls are found by their identifiers: a standard control is the child
// of the main window with that identifier; a component is a window with the
// identifier that holds its platform control, found below it by class.
class ProgramUnderTest {
public:
    explicit ProgramUnderTest(const ProgramStart& start);
    ~ProgramUnderTest();
    ProgramUnderTest(const ProgramUnderTest&) = delete;
    ProgramUnderTest& operator=(const ProgramUnderTest&) = delete;

    [[nodiscard]] DWORD ProcessId() const noexcept { return processId_; }
    [[nodiscard]] HANDLE Process() const noexcept { return process_.Get(); }

    // Waits until the main window is shown and the program waits for input;
    // throws when it is not shown in time or the program ends first.
    HWND WaitForMainWindow(Await::Milliseconds timeout = Await::DefaultTimeout);
    // The window WaitForMainWindow found.
    [[nodiscard]] HWND MainWindow() const;
    // True once the program has handled everything sent to it and waits for
    // input, or false at the deadline.
    bool WaitUntilIdle(Await::Milliseconds timeout = Await::DefaultTimeout) const;

    // The main window's child with the identifier; throws when it has none.
    [[nodiscard]] HWND Control(int id) const;
    // The window of the class at or below the control with the identifier.
    [[nodiscard]] HWND PlatformControl(int id, const std::wstring& className) const;
    [[nodiscard]] ListViewReader List(int id) const;
    [[nodiscard]] std::optional<SYSTEMTIME> PickerMoment(int id) const;
    [[nodiscard]] std::optional<std::wstring> ToolTipOf(int id) const;
    [[nodiscard]] MessageBoxes Boxes() const { return MessageBoxes(processId_); }
    // A visible top-level window of the program other than a message box (the About window).
    [[nodiscard]] HWND WaitForWindow(
        const std::wstring& title, Await::Milliseconds timeout = Await::DefaultTimeout) const;

    // Acting through posted messages, as a user's command would arrive.
    void PostClose() const;
    void PostSystemCommand(WPARAM command) const;
    void PostClick(int id) const;

    [[nodiscard]] bool IsRunning() const;
    // The exit code once the program has ended; nothing while it still runs at the deadline.
    std::optional<DWORD> WaitForExit(Await::Milliseconds timeout = Await::DefaultTimeout) const;
    // Ends the program at once (a no-op once it has ended).
    void Kill() noexcept;

    // A file next to this executable or in a folder above it: the build
    // places programs and tests at different depths of one tree.
    [[nodiscard]] static std::wstring FindBeside(const std::wstring& fileName);

private:
    WindowFinder::Pattern mainPattern_;
    KernelHandle process_;
    DWORD processId_ = 0;
    HWND mainWindow_ = nullptr;
};
