#include "e2e/ProbeTargetTest.h"

#include "probe/target/ProbeTargetIds.h"

ProgramStart ProbeTargetTest::TargetStart(const std::wstring& arguments)
{
    return ProgramStart{ProgramUnderTest::FindBeside(L"probe-target.exe"), arguments, L"",
        WindowFinder::Pattern{ProbeTarget::WindowClass, ProbeTarget::Title, true}};
}

ProgramUnderTest& ProbeTargetTest::Start(const std::wstring& arguments)
{
    target_ = std::make_unique<ProgramUnderTest>(TargetStart(arguments));
    if (arguments.empty()) {
        target_->WaitForMainWindow();
    }
    return *target_;
}
