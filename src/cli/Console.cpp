#include "cli/Console.h"

#include "runtime/AnsiText.h"

namespace {

bool IsConsole(HANDLE stream)
{
    DWORD mode = 0;
    return ::GetConsoleMode(stream, &mode) != FALSE;
}

} // namespace

Console::Console()
    : out_(::GetStdHandle(STD_OUTPUT_HANDLE)), error_(::GetStdHandle(STD_ERROR_HANDLE)), outIsConsole_(IsConsole(out_)),
      errorIsConsole_(IsConsole(error_))
{
}

void Console::Out(const std::wstring& line) const
{
    Write(out_, outIsConsole_, line);
}

void Console::Error(const std::wstring& line) const
{
    Write(error_, errorIsConsole_, line);
}

void Console::Write(HANDLE stream, bool isConsole, const std::wstring& line)
{
    if (stream == nullptr || stream == INVALID_HANDLE_VALUE) {
        return;
    }
    DWORD written = 0;
    if (isConsole) {
        const std::wstring text = line + L"\r\n";
        ::WriteConsoleW(stream, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
        return;
    }
    const std::string bytes = AnsiText::Encode(line + L"\n", CP_UTF8);
    ::WriteFile(stream, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}
