#include "probe/VarnookProgram.h"

#include "app/FormVarnook.h"

ProgramStart VarnookProgram::Start(const std::wstring& workingFolder)
{
    return ProgramStart{ProgramUnderTest::FindBeside(L"varnook.exe"), L"", workingFolder,
        WindowFinder::Pattern{FormVarnook::WindowClassName, Title, true}};
}
