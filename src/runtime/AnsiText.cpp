#include "runtime/AnsiText.h"

#include "platform/Win32.h"

#include <limits>
#include <stdexcept>

namespace {

int CheckedLength(size_t length)
{
    if (length > static_cast<size_t>(std::numeric_limits<int>::max())) {
        throw std::length_error("text too long for a code page conversion");
    }
    return static_cast<int>(length);
}

// Empty when the platform refuses the conversion. Neither a default
// character nor the used-default report is asked for: UTF-8 and UTF-7
// refuse both, and every page has a default of its own.
std::string Convert(std::wstring_view text, std::uint32_t codepage, std::uint32_t flags)
{
    const int length = CheckedLength(text.size());
    const int needed = ::WideCharToMultiByte(codepage, flags, text.data(), length, nullptr, 0, nullptr, nullptr);
    if (needed <= 0) {
        return {};
    }
    std::string result(static_cast<size_t>(needed), '\0');
    const int written =
        ::WideCharToMultiByte(codepage, flags, text.data(), length, result.data(), needed, nullptr, nullptr);
    result.resize(written > 0 ? static_cast<size_t>(written) : 0);
    return result;
}

std::string AsciiOnly(std::wstring_view text)
{
    std::string result;
    result.reserve(text.size());
    for (const wchar_t c : text) {
        result.push_back(c < 0x80 ? static_cast<char>(c) : '?');
    }
    return result;
}

} // namespace

std::string AnsiText::Encode(std::wstring_view text)
{
    return Encode(text, ::GetACP());
}

std::string AnsiText::Encode(std::wstring_view text, std::uint32_t codepage)
{
    if (text.empty()) {
        return {};
    }
    const std::uint32_t flags = EncodeFlags(codepage);
    std::string result = Convert(text, codepage, flags);
    // A flag the platform does not take for this page fails the whole call,
    // and a lost line in the log is worse than a look-alike letter.
    if (result.empty() && flags != 0) {
        result = Convert(text, codepage, 0);
    }
    return result.empty() ? AsciiOnly(text) : result;
}

std::uint32_t AnsiText::EncodeFlags(std::uint32_t codepage)
{
    constexpr std::uint32_t Symbol = 42;
    constexpr std::uint32_t Gb18030 = 54936;
    const bool takesNoFlags = codepage == CP_UTF8 || codepage == CP_UTF7 || codepage == Gb18030 || codepage == Symbol ||
        (codepage >= 50220 && codepage <= 50229) || (codepage >= 57002 && codepage <= 57011);
    return takesNoFlags ? 0 : WC_NO_BEST_FIT_CHARS;
}

std::wstring AnsiText::Decode(std::string_view text)
{
    return Decode(text, CP_ACP);
}

std::wstring AnsiText::Decode(std::string_view text, std::uint32_t codepage)
{
    if (text.empty()) {
        return {};
    }
    const int length = CheckedLength(text.size());
    const int needed = ::MultiByteToWideChar(codepage, 0, text.data(), length, nullptr, 0);
    std::wstring result(static_cast<size_t>(needed), L'\0');
    ::MultiByteToWideChar(codepage, 0, text.data(), length, result.data(), needed);
    return result;
}
