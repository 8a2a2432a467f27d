#pragma once

#include <string>

// The letter-case styles of the Conversion option, by their index:
// 0 current case (no rename), 1 upper, 2 lower, 3 first letter capital,
// 4 every word capitalised. The mapping is the user locale's, not ASCII's,
// and never changes the length of a name.
class LetterCase {
public:
    enum Style { Current = 0, Upper = 1, Lower = 2, Proper = 3, Word = 4 };

    // True for the styles that rename (1 to 4).
    [[nodiscard]] static bool Renames(int style) noexcept;
    // In Word case a word also begins after any of `wordBreaks`.
    [[nodiscard]] static std::wstring Convert(
        const std::wstring& name, int style, const std::wstring& wordBreaks = std::wstring());
    [[nodiscard]] static std::wstring ToUpper(const std::wstring& text);
    [[nodiscard]] static std::wstring ToLower(const std::wstring& text);

private:
    static bool StartsWord(wchar_t previous, const std::wstring& wordBreaks) noexcept;
};
