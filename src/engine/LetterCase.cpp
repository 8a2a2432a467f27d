#include "engine/LetterCase.h"

#include "platform/Win32.h"

#include <stdexcept>

namespace {

std::wstring MapCase(const std::wstring& text, DWORD mapping)
{
    if (text.empty()) {
        return text;
    }
    std::wstring result(text.size(), L'\0');
    const int length = ::LCMapStringEx(LOCALE_NAME_USER_DEFAULT, mapping | LCMAP_LINGUISTIC_CASING, text.c_str(),
        static_cast<int>(text.size()), result.data(), static_cast<int>(result.size()), nullptr, nullptr, 0);
    if (length != static_cast<int>(text.size())) {
        throw std::runtime_error("the locale's case mapping failed");
    }
    return result;
}

} // namespace

bool LetterCase::Renames(int style) noexcept
{
    return style >= Upper && style <= Word;
}

std::wstring LetterCase::ToUpper(const std::wstring& text)
{
    return MapCase(text, LCMAP_UPPERCASE);
}

std::wstring LetterCase::ToLower(const std::wstring& text)
{
    return MapCase(text, LCMAP_LOWERCASE);
}

// Unless asked otherwise, only white space and NUL begin a word: dots,
// hyphens, underscores, digits and brackets do not.
bool LetterCase::StartsWord(wchar_t previous, const std::wstring& wordBreaks) noexcept
{
    return previous == L' ' || previous == L'\t' || previous == L'\n' || previous == L'\v' || previous == L'\f' ||
        previous == L'\r' || previous == L'\0' || wordBreaks.find(previous) != std::wstring::npos;
}

std::wstring LetterCase::Convert(const std::wstring& name, int style, const std::wstring& wordBreaks)
{
    switch (style) {
    case Upper:
        return ToUpper(name);
    case Lower:
        return ToLower(name);
    case Proper:
        return name.empty() ? name : ToUpper(name.substr(0, 1)) + ToLower(name.substr(1));
    case Word: {
        const std::wstring upper = ToUpper(name);
        std::wstring result = ToLower(name);
        for (size_t i = 0; i < result.size(); ++i) {
            if (i == 0 || StartsWord(name[i - 1], wordBreaks)) {
                result[i] = upper[i];
            }
        }
        return result;
    }
    default:
        return name;
    }
}
