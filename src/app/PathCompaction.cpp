#include "app/PathCompaction.h"

#include "platform/Handles.h"

namespace {

constexpr wchar_t Ellipsis[] = L"...";

// Where the part that always stays (C:\ or \\server\share\) ends.
size_t RootLength(const std::wstring& path)
{
    if (path.rfind(L"\\\\", 0) == 0) {
        const size_t server = path.find(L'\\', 2);
        const size_t share = server == std::wstring::npos ? std::wstring::npos : path.find(L'\\', server + 1);
        return share == std::wstring::npos ? path.size() : share + 1;
    }
    const size_t first = path.find(L'\\');
    return first == std::wstring::npos ? 0 : first + 1;
}

} // namespace

PathCompaction::PathCompaction(HFONT font)
    : font_(font != nullptr ? font : static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT)))
{
}

int PathCompaction::TextWidth(const std::wstring& text) const
{
    const MemoryDc dc(::CreateCompatibleDC(nullptr));
    if (!dc) {
        return 0;
    }
    const SelectedObject font(dc.Get(), font_);
    SIZE size{};
    ::GetTextExtentPoint32W(dc.Get(), text.c_str(), static_cast<int>(text.size()), &size);
    return size.cx;
}

std::wstring PathCompaction::TruncatedName(const std::wstring& name, int width) const
{
    for (size_t keep = name.size(); keep > 0; --keep) {
        const std::wstring candidate = name.substr(0, keep - 1) + Ellipsis;
        if (Fits(candidate, width)) {
            return candidate;
        }
    }
    return Ellipsis;
}

std::wstring PathCompaction::Compact(const std::wstring& path, int width) const
{
    if (Fits(path, width)) {
        return path;
    }
    const size_t rootLength = RootLength(path);
    const std::wstring root = path.substr(0, rootLength);
    // Try keeping ever fewer trailing components after the root.
    for (size_t cut = path.find(L'\\', rootLength); cut != std::wstring::npos; cut = path.find(L'\\', cut + 1)) {
        const std::wstring candidate = root + Ellipsis + path.substr(cut);
        if (Fits(candidate, width)) {
            return candidate;
        }
    }
    const size_t lastSeparator = path.find_last_of(L'\\');
    const std::wstring name = lastSeparator == std::wstring::npos ? path : path.substr(lastSeparator + 1);
    const std::wstring withoutRoot = std::wstring(Ellipsis) + L"\\" + name;
    return Fits(withoutRoot, width) ? withoutRoot : TruncatedName(name, width);
}
