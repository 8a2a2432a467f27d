#include "probe/ToolTipReader.h"

#include "probe/RemoteMemory.h"
#include "probe/RemoteText.h"
#include "probe/WindowFinder.h"
#include "probe/WindowReader.h"

namespace {

// The platform copies a tip of up to this many characters whatever size the caller names.
constexpr size_t TipCapacity = 1024;

bool DescribesTool(const TTTOOLINFOW& info, HWND tool)
{
    return (info.uFlags & TTF_IDISHWND) != 0 ? reinterpret_cast<HWND>(info.uId) == tool : info.hwnd == tool;
}

} // namespace

std::optional<std::wstring> ToolTipReader::TextFor(HANDLE process, HWND tool)
{
    const WindowFinder::Pattern tooltips{TOOLTIPS_CLASSW, L"", false};
    for (const HWND tooltip : WindowFinder::TopLevel(WindowFinder::ProcessOf(tool), tooltips)) {
        const auto count = static_cast<int>(WindowReader::Send(tooltip, TTM_GETTOOLCOUNT));
        for (int index = 0; index < count; ++index) {
            RemoteMemory memory(process, sizeof(TTTOOLINFOW));
            TTTOOLINFOW info{};
            info.cbSize = sizeof(info);
            memory.Put(info);
            if (WindowReader::Send(tooltip, TTM_ENUMTOOLSW, static_cast<WPARAM>(index), memory.Parameter()) == 0) {
                continue;
            }
            const TTTOOLINFOW found = memory.Get<TTTOOLINFOW>();
            if (!DescribesTool(found, tool)) {
                continue;
            }
            return RemoteText::Read<TTTOOLINFOW>(
                process, tooltip, TTM_GETTEXTW,
                [&found](TTTOOLINFOW& record, wchar_t* buffer, int capacity) {
                    record.cbSize = sizeof(record);
                    record.hwnd = found.hwnd;
                    record.uId = found.uId;
                    record.lpszText = buffer;
                    return static_cast<WPARAM>(capacity);
                },
                RemoteText::Length::UpToNul, TipCapacity);
        }
    }
    return std::nullopt;
}
