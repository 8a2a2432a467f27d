#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Stateless text helpers: splitting, extraction between delimiters, case
// tests in the user's locale and cutting at a NUL. Positions and counts
// are those of UTF-16 code units.
class StringEx {
public:
    // The non-empty pieces of `buffer` between occurrences of `delimiter`
    // (exact match). False, with an empty list, when no piece is left or
    // the list cannot be built; never raises.
    bool Enumerate(const std::wstring& buffer, const std::wstring& delimiter, std::int32_t& numbervalues,
        std::vector<std::wstring>& values) const;

    // The text strictly between the first `begindelimiter` and the first
    // `enddelimiter` after it; empty when either is missing.
    [[nodiscard]] std::wstring Extract(
        const std::wstring& buffer, const std::wstring& begindelimiter, const std::wstring& enddelimiter) const;

    // Text without cased letters is both lower and upper case.
    [[nodiscard]] bool IsLowerCase(const std::wstring& buffer) const;
    [[nodiscard]] bool IsUpperCase(const std::wstring& buffer) const;

    // `buffer` up to its first NUL.
    [[nodiscard]] std::wstring ZTrim(const std::wstring& buffer) const;
};
