#include "probe/MessageBoxes.h"

#include "probe/ProbeError.h"
#include "probe/WindowFinder.h"
#include "probe/WindowReader.h"

namespace {

constexpr int BoxTextId = 0xFFFF;

} // namespace

std::vector<ShownBox> MessageBoxes::Shown() const
{
    std::vector<ShownBox> boxes;
    for (const HWND dialog : WindowFinder::TopLevel(processId_, {L"#32770", L"", true})) {
        const HWND text = WindowFinder::Child(dialog, BoxTextId);
        if (text == nullptr) {
            continue;
        }
        try {
            boxes.push_back({dialog, WindowReader::Text(dialog), WindowReader::Text(text)});
        } catch (const ProbeError&) {
            // A box that closed while it was read is no box any more.
            if (::IsWindow(dialog)) {
                throw;
            }
        }
    }
    return boxes;
}

ShownBox MessageBoxes::WaitForOne(Await::Milliseconds timeout) const
{
    const auto box = Await::Value<ShownBox>(
        [this]() -> std::optional<ShownBox> {
            const std::vector<ShownBox> boxes = Shown();
            return boxes.empty() ? std::nullopt : std::optional<ShownBox>(boxes.front());
        },
        timeout);
    if (!box.has_value()) {
        throw ProbeError(L"the program showed no message box in time");
    }
    return *box;
}

void MessageBoxes::Answer(const ShownBox& box, int button, Await::Milliseconds timeout)
{
    const HWND control = WindowFinder::Child(box.window, button);
    if (control == nullptr) {
        throw ProbeError(L"the box \"" + box.text + L"\" has no button " + std::to_wstring(button));
    }
    ::PostMessageW(control, BM_CLICK, 0, 0);
    if (!Await::Until([&box] { return !::IsWindow(box.window); }, timeout)) {
        throw ProbeError(L"the box \"" + box.text + L"\" stayed after its button " + std::to_wstring(button));
    }
}
