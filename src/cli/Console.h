#pragma once

#include "platform/Win32.h"

#include <string>

// The command line's output and error streams: text goes to a console as
// the console's own wide characters, and to a pipe or a file as UTF-8, so
// that names in any script survive both.
class Console {
public:
    Console();

    void Out(const std::wstring& line) const;
    void Error(const std::wstring& line) const;

private:
    static void Write(HANDLE stream, bool isConsole, const std::wstring& line);

    HANDLE out_;
    HANDLE error_;
    bool outIsConsole_;
    bool errorIsConsole_;
};
