#pragma once

#include "platform/Win32.h"
#include "probe/Await.h"

#include <string>
#include <vector>

// A message box as the user sees it.
struct ShownBox {
    HWND window = nullptr;
    std::wstring caption;
    std::wstring text;
};

// The message boxes of one process: dialogs of class #32770 that carry the
// box's text in the static with identifier 0xFFFF, which tells them from
// other dialogs such as a folder browser or an About window.
class MessageBoxes {
public:
    // Process id 0: the boxes of every process.
    explicit MessageBoxes(DWORD processId) : processId_(processId) {}

    [[nodiscard]] std::vector<ShownBox> Shown() const;
    // The first box the process shows; throws when none comes in time.
    [[nodiscard]] ShownBox WaitForOne(Await::Milliseconds timeout = Await::DefaultTimeout) const;

    // Presses the box's button (IDOK, IDYES, IDNO, ...) as a click would and
    // waits until the box has gone; throws when it has no such button or stays.
    static void Answer(const ShownBox& box, int button, Await::Milliseconds timeout = Await::DefaultTimeout);

private:
    DWORD processId_;
};
