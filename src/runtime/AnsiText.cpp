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

} // namespace

std::string AnsiText::Encode(std::wstring_view text)
{
    if (text.empty()) {
        return {};
    }
    const int length = CheckedLength(text.size());
    const int needed =
        ::WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.data(), length, nullptr, 0, nullptr, nullptr);
    std::string result(static_cast<size_t>(needed), '\0');
    ::WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.data(), length, result.data(), needed, nullptr, nullptr);
    return result;
}

std::wstring AnsiText::Decode(std::string_view text)
{
    if (text.empty()) {
        return {};
    }
    const int length = CheckedLength(text.size());
    const int needed = ::MultiByteToWideChar(CP_ACP, 0, text.data(), length, nullptr, 0);
    std::wstring result(static_cast<size_t>(needed), L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, text.data(), length, result.data(), needed);
    return result;
}
