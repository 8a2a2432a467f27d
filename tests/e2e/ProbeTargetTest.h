#pragma once

#include "probe/ProgramUnderTest.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

// The harness's own tests run against probe-target, whose controls hold
// known contents: what the harness reads there it reads right in the real
// program, whose controls are the same platform classes.
class ProbeTargetTest : public testing::Test {
protected:
    void TearDown() override { target_.reset(); }

    // How probe-target is started with the arguments and its window told.
    [[nodiscard]] static ProgramStart TargetStart(const std::wstring& arguments = {});
    // Starts it; with no arguments, waits for its window.
    ProgramUnderTest& Start(const std::wstring& arguments = {});

private:
    std::unique_ptr<ProgramUnderTest> target_;
};
