#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Text in the system's ANSI code page, for files that other programs read
// as plain text. Characters the code page cannot hold become its default
// character rather than a look-alike, so nothing is silently misspelled.
class AnsiText {
public:
    [[nodiscard]] static std::string Encode(std::wstring_view text);
    // Never empty for text that is not: when the platform refuses the code
    // page's conversion, ASCII stays and every other character becomes "?".
    [[nodiscard]] static std::string Encode(std::wstring_view text, std::uint32_t codepage);
    [[nodiscard]] static std::wstring Decode(std::string_view text);
    [[nodiscard]] static std::wstring Decode(std::string_view text, std::uint32_t codepage);

    // The conversion flags the code page accepts: refusing look-alikes where
    // the platform allows the request, none where it rejects every flag
    // (UTF-8, GB18030, UTF-7, symbol and the ISO-2022 family).
    [[nodiscard]] static std::uint32_t EncodeFlags(std::uint32_t codepage);
};
