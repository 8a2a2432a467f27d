#pragma once

#include <stdexcept>
#include <string>

// What the harness throws when it cannot do what a test asked: the program
// did not come up, a window is missing, another process did not answer.
// A test that meets one fails with the text, never hangs.
class ProbeError : public std::runtime_error {
public:
    explicit ProbeError(const std::wstring& message);
};

// Text as UTF-8, for messages and for the Unix side.
[[nodiscard]] std::string ToUtf8(const std::wstring& text);
[[nodiscard]] std::wstring FromUtf8(const std::string& text);
