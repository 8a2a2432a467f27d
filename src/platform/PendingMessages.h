#pragma once

#include "platform/Win32.h"

// Lets the user interface handle what is waiting in the thread's message
// queue. Every loop that runs nested on the user-interface thread (the folder
// watch, the processing run, modal windows of the program's own) goes through
// here, so that key preview and dialog navigation work the same inside all of
// them and a request to end the program is never swallowed by one of them.
class PendingMessages {
public:
    // A component that takes some keys itself before dialog navigation sees
    // them (Enter and the arrows in a list). True when the key was handled.
    class KeyFilter {
    public:
        virtual bool TranslateKey(const MSG& message) = 0;

    protected:
        ~KeyFilter() = default;
    };

    // How often, in milliseconds, a long loop on the user-interface thread
    // lets the window handle its messages: often enough that a key or a
    // repaint waits no longer than a frame, seldom enough that a look at the
    // queue (a round trip to the window system) is no share of the work.
    static constexpr ULONGLONG BusyLoopPeriod = 10;

    // Handles every waiting message. False when the program is ending: the
    // quit request was met, posted again for the outer loops, and nothing
    // after it was handled.
    [[nodiscard]] static bool Process();

    // True while a quit request waits in the queue (it is left there).
    [[nodiscard]] static bool IsQuitPending();

    // Key preview, the active key filter, dialog navigation, then the usual
    // translate and dispatch.
    static void Dispatch(const MSG& message);

    // A key-preview window sees the key releases meant for its child
    // controls before the controls do.
    static void AddKeyPreview(HWND window);
    static void RemoveKeyPreview(HWND window);

    // A navigation window (a modeless dialog, or the main window for its
    // tab order) gets its keyboard navigation through IsDialogMessage.
    static void AddNavigation(HWND window);
    static void RemoveNavigation(HWND window);

    // The component that has the keyboard focus asks for its keys; one at a
    // time, the last to ask wins. Removing a filter that is not the active
    // one changes nothing.
    static void SetKeyFilter(KeyFilter* filter);
    static void RemoveKeyFilter(KeyFilter* filter);
};
