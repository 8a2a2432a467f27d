#include "platform/PathForm.h"

#include "platform/PlatformText.h"
#include "platform/Win32.h"

namespace {

constexpr wchar_t ExtendedPrefix[] = L"\\\\?\\";
constexpr wchar_t ExtendedUncPrefix[] = L"\\\\?\\UNC\\";

bool StartsWith(const std::wstring& text, const wchar_t* prefix)
{
    return text.rfind(prefix, 0) == 0;
}

} // namespace

std::wstring PathForm::Extended(const std::wstring& path)
{
    constexpr size_t ShortPathLimit = MAX_PATH - 12;
    if (path.size() < ShortPathLimit || StartsWith(path, ExtendedPrefix)) {
        return path;
    }
    const std::wstring full = ReadPlatformText([&path](wchar_t* buffer, DWORD capacity) {
        return ::GetFullPathNameW(path.c_str(), capacity, buffer, nullptr);
    });
    if (StartsWith(full, L"\\\\")) {
        return ExtendedUncPrefix + full.substr(2);
    }
    return ExtendedPrefix + full;
}

std::wstring PathForm::Ordinary(const std::wstring& path)
{
    if (StartsWith(path, ExtendedUncPrefix)) {
        return L"\\\\" + path.substr(std::size(ExtendedUncPrefix) - 1);
    }
    if (StartsWith(path, ExtendedPrefix)) {
        return path.substr(std::size(ExtendedPrefix) - 1);
    }
    return path;
}
