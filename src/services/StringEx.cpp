#include "services/StringEx.h"

#include "platform/Win32.h"

#include <limits>
#include <optional>
#include <stdexcept>

namespace {

void AppendPiece(const std::wstring& piece, std::int32_t& numbervalues, std::vector<std::wstring>& values)
{
    if (piece.empty()) {
        return;
    }
    if (numbervalues == std::numeric_limits<std::int32_t>::max()) {
        throw std::length_error("too many pieces to count");
    }
    values.push_back(piece);
    ++numbervalues;
}

void SplitInto(const std::wstring& buffer, const std::wstring& delimiter, std::int32_t& numbervalues,
    std::vector<std::wstring>& values)
{
    // An empty delimiter occurs nowhere, so the whole text is one piece.
    if (delimiter.empty()) {
        AppendPiece(buffer, numbervalues, values);
        return;
    }
    size_t start = 0;
    for (size_t found = buffer.find(delimiter); found != std::wstring::npos; found = buffer.find(delimiter, start)) {
        AppendPiece(buffer.substr(start, found - start), numbervalues, values);
        start = found + delimiter.size();
    }
    AppendPiece(buffer.substr(start), numbervalues, values);
}

// The text mapped by the user's locale, or nothing when the platform
// cannot map it.
std::optional<std::wstring> MapCase(const std::wstring& buffer, DWORD mapping)
{
    if (buffer.size() > static_cast<size_t>(std::numeric_limits<int>::max())) {
        return std::nullopt;
    }
    const int length = static_cast<int>(buffer.size());
    const int needed =
        ::LCMapStringEx(LOCALE_NAME_USER_DEFAULT, mapping, buffer.data(), length, nullptr, 0, nullptr, nullptr, 0);
    if (needed <= 0) {
        return std::nullopt;
    }
    std::wstring mapped(static_cast<size_t>(needed), L'\0');
    if (::LCMapStringEx(LOCALE_NAME_USER_DEFAULT, mapping, buffer.data(), length, mapped.data(), needed, nullptr,
            nullptr, 0) != needed) {
        return std::nullopt;
    }
    return mapped;
}

bool IsInCase(const std::wstring& buffer, DWORD mapping)
{
    // The platform refuses to map empty text, which has no letters at all.
    if (buffer.empty()) {
        return true;
    }
    const auto mapped = MapCase(buffer, mapping);
    return mapped && *mapped == buffer;
}

} // namespace

bool StringEx::Enumerate(const std::wstring& buffer, const std::wstring& delimiter, std::int32_t& numbervalues,
    std::vector<std::wstring>& values) const
{
    numbervalues = 0;
    values.clear();
    try {
        SplitInto(buffer, delimiter, numbervalues, values);
    } catch (const std::exception&) {
        numbervalues = 0;
        values.clear();
    }
    return numbervalues > 0;
}

std::wstring StringEx::Extract(
    const std::wstring& buffer, const std::wstring& begindelimiter, const std::wstring& enddelimiter) const
{
    const size_t begin = buffer.find(begindelimiter);
    if (begin == std::wstring::npos) {
        return {};
    }
    const size_t contentStart = begin + begindelimiter.size();
    const size_t end = buffer.find(enddelimiter, contentStart);
    if (end == std::wstring::npos) {
        return {};
    }
    return buffer.substr(contentStart, end - contentStart);
}

bool StringEx::IsLowerCase(const std::wstring& buffer) const
{
    return IsInCase(buffer, LCMAP_LOWERCASE);
}

bool StringEx::IsUpperCase(const std::wstring& buffer) const
{
    return IsInCase(buffer, LCMAP_UPPERCASE);
}

std::wstring StringEx::ZTrim(const std::wstring& buffer) const
{
    return buffer.substr(0, buffer.find(L'\0'));
}
