#pragma once

#include <string>
#include <string_view>

// Text in the system's ANSI code page, for files that other programs read
// as plain text. Characters the code page cannot hold become its default
// character rather than a look-alike, so nothing is silently misspelled.
class AnsiText {
public:
    [[nodiscard]] static std::string Encode(std::wstring_view text);
    [[nodiscard]] static std::wstring Decode(std::string_view text);
};
