#include "e2e/VarnookTest.h"

#include "e2e/ProgramKey.h"
#include "platform/PlatformText.h"
#include "probe/VarnookProgram.h"

void VarnookTest::SetUp()
{
    ProgramKey::Reset();
}

void VarnookTest::TearDown()
{
    program_.reset();
}

ProgramUnderTest& VarnookTest::Start(bool showFolder)
{
    if (showFolder) {
        ProgramKey::SetText(L"LastFolder", folder_.Path());
    }
    program_ = std::make_unique<ProgramUnderTest>(VarnookProgram::Start(folder_.Path()));
    program_->WaitForMainWindow();
    return *program_;
}

ProgramUnderTest& VarnookTest::Program() const
{
    if (!program_) {
        throw std::logic_error("the program has not been started");
    }
    return *program_;
}

std::wstring VarnookTest::LogPath()
{
    return ReadPlatformText([](wchar_t* buffer, DWORD capacity) { return ::GetTempPathW(capacity, buffer); }) +
        L"varnook.log";
}
