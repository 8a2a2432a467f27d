#pragma once

#include "probe/Await.h"

#include <string>

// Runs Unix commands from this Windows program under Wine: real input
// through the X server (xdotool), files made or removed by Linux itself
// rather than through Wine. Wine starts a Unix program from CreateProcessW
// but cannot tell when it ends or how, so the command writes its exit
// status into a marker file as its last act and the caller waits for that file.
class UnixShell {
public:
    struct Result {
        int status = -1;
        // What the command wrote to its standard output and error.
        std::string output;
    };

    // Runs `command` with /bin/sh and waits for its end; throws when it cannot
    // start or does not end in time.
    static Result Run(const std::string& command, Await::Milliseconds timeout = Await::DefaultTimeout);
    // Runs it and throws, with its output, unless it ends with status 0.
    static std::string Check(const std::string& command, Await::Milliseconds timeout = Await::DefaultTimeout);

    // One word for sh, whatever it holds.
    [[nodiscard]] static std::string Quote(const std::string& word);
    // The Unix path of a Windows path, and back (Wine's own mapping).
    [[nodiscard]] static std::string UnixPath(const std::wstring& windowsPath);
    [[nodiscard]] static std::wstring WindowsPath(const std::string& unixPath);
};
