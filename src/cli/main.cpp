#include "about/FormAbout.h"
#include "cli/CliRun.h"
#include "cli/CommandLine.h"
#include "cli/Console.h"
#include "platform/ProgramInfo.h"
#include "platform/Win32.h"

#include <cstring>
#include <exception>
#include <string>
#include <vector>

namespace {

int Run(const std::vector<std::wstring>& arguments, const Console& console)
{
    std::wstring error;
    const auto request = CommandLine::Read(arguments, error);
    if (!request) {
        console.Error(L"varnook-cli: " + error);
        console.Error(L"Zie varnook-cli --help");
        return CliRun::UsageError;
    }
    switch (request->Asked) {
    case CommandLine::Action::Help:
        console.Out(CommandLine::HelpText());
        return CliRun::Done;
    case CommandLine::Action::Version:
        console.Out(FormAbout::ApplicationLine(ProgramInfo()));
        return CliRun::Done;
    default:
        break;
    }
    RunJournal journal(RunJournal::UserFolder());
    CliRun run(console, journal);
    return request->Asked == CommandLine::Action::Undo ? run.Undo(*request) : run.Process(*request);
}

} // namespace

int wmain(int count, wchar_t** values)
{
    // The imaging component that reads photo dates wants COM; without it
    // the program's own reader does the work.
    const HRESULT com = ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    const Console console;
    int exitCode = CliRun::SomeFailed;
    try {
        exitCode = Run(std::vector<std::wstring>(values + 1, values + count), console);
    } catch (const std::exception& failure) {
        console.Error(
            L"Onverwachte fout: " + std::wstring(failure.what(), failure.what() + std::strlen(failure.what())));
    } catch (...) {
        console.Error(L"Onverwachte fout");
    }
    if (SUCCEEDED(com)) {
        ::CoUninitialize();
    }
    return exitCode;
}
