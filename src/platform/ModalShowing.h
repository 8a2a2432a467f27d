#pragma once

#include "platform/Win32.h"

#include <functional>

// How the program's own modal windows show: centred on their owner, with
// the owner disabled while they are up, dialog navigation on, and their
// loop on the one message pump.
class ModalShowing {
public:
    // Gives `window` the frame around a client area of `client`, measured on
    // the window itself (its caption is drawn at the screen's DPI, which
    // need not be the one laid out for), centred on `owner` or, without one,
    // on the screen's work area.
    static void PlaceCentred(HWND window, SIZE client, HWND owner);
    // Shows `window` with `focus` focused and returns once `open` says no
    // more; the owner is enabled again before the window goes, so that the
    // activation returns to it.
    static void Run(HWND window, HWND owner, HWND focus, const std::function<bool()>& open);
};
