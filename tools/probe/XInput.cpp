#include "probe/XInput.h"

#include "probe/ProbeError.h"
#include "probe/UnixShell.h"

#include <algorithm>
#include <cctype>

namespace {

std::string Lower(std::string text)
{
    std::transform(
        text.begin(), text.end(), text.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

} // namespace

POINT XInput::OnScreen(HWND window, POINT client)
{
    if (!::ClientToScreen(window, &client)) {
        throw ProbeError(L"cannot place a point of a window on the screen");
    }
    return client;
}

void XInput::Click(HWND window, POINT client, MouseButton button, int count)
{
    const POINT screen = OnScreen(window, client);
    UnixShell::Check("xdotool mousemove " + std::to_string(screen.x) + " " + std::to_string(screen.y) +
        " click --repeat " + std::to_string(std::max(count, 1)) + " --delay 60 " +
        std::to_string(static_cast<int>(button)));
}

void XInput::ClickCentre(HWND window, MouseButton button, int count)
{
    RECT client{};
    ::GetClientRect(window, &client);
    ClickCentre(window, client, button, count);
}

void XInput::ClickCentre(HWND window, const RECT& clientRect, MouseButton button, int count)
{
    Click(window, POINT{(clientRect.left + clientRect.right) / 2, (clientRect.top + clientRect.bottom) / 2}, button,
        count);
}

void XInput::MoveTo(HWND window, POINT client)
{
    const POINT screen = OnScreen(window, client);
    UnixShell::Check("xdotool mousemove " + std::to_string(screen.x) + " " + std::to_string(screen.y));
}

// A control that tracks the mouse sees moves between press and release only
// when they come apart in time.
void XInput::Drag(HWND window, POINT from, POINT to)
{
    const POINT start = OnScreen(window, from);
    const POINT end = OnScreen(window, to);
    const auto at = [](POINT point) { return std::to_string(point.x) + " " + std::to_string(point.y); };
    const POINT halfway{(start.x + end.x) / 2, (start.y + end.y) / 2};
    UnixShell::Check("xdotool mousemove " + at(start) + " sleep 0.2 mousedown 1 sleep 0.2 mousemove " + at(halfway) +
        " sleep 0.2 mousemove " + at(end) + " sleep 0.2 mouseup 1");
}

void XInput::Key(const std::string& keys)
{
    const bool plain = std::all_of(keys.begin(), keys.end(),
        [](unsigned char c) { return std::isalnum(c) != 0 || c == '+' || c == '_' || c == ' '; });
    if (keys.empty() || !plain) {
        throw ProbeError(L"not a key name: " + FromUtf8(keys));
    }
    const std::string lower = Lower(keys);
    if (lower.find("alt") != std::string::npos || lower.find("meta") != std::string::npos ||
        lower.find("super") != std::string::npos) {
        throw ProbeError(L"no Alt keys under Wine: " + FromUtf8(keys));
    }
    UnixShell::Check("xdotool key --delay 30 " + keys);
}

void XInput::Type(const std::string& text)
{
    if (!std::all_of(text.begin(), text.end(), [](unsigned char c) { return c >= 0x20 && c < 0x7F; })) {
        throw ProbeError(L"only printable ASCII can be typed: " + FromUtf8(text));
    }
    UnixShell::Check("xdotool type --delay 20 -- " + UnixShell::Quote(text));
}
