#pragma once

#include "engine/RunEngine.h"

#include <optional>
#include <string>
#include <vector>

// What the command line asks for, read from its arguments. A usage error
// names the argument at fault and leaves nothing to do.
class CommandLine {
public:
    enum class Action { Process, Undo, Help, Version };

    struct Request {
        Action Asked = Action::Process;
        RunEngine::Job Job;
        std::vector<std::wstring> Paths;
        bool DryRun = false;
        std::wstring LogFile;
    };

    // The request, or the usage error in `error`.
    [[nodiscard]] static std::optional<Request> Read(const std::vector<std::wstring>& arguments, std::wstring& error);
    [[nodiscard]] static std::wstring HelpText();

    // "[+|-]1d2h3m4s" in seconds: any of the parts, each at most once, in
    // this order; none when the text is no shift.
    [[nodiscard]] static std::optional<std::int64_t> ReadShift(const std::wstring& text);
    // "YYYY-MM-DD HH:MM:SS" (seconds may be left out), local time.
    [[nodiscard]] static std::optional<OleDate> ReadMoment(const std::wstring& text);
    // "created,accessed,modified", any of them, at least one.
    [[nodiscard]] static std::optional<unsigned> ReadTimes(const std::wstring& text);
};
