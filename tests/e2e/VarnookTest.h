#pragma once

#include "probe/ProgramUnderTest.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

// Each test of the real program starts from nothing: the program's registry
// key removed, a fresh temporary folder, a new process. Whatever a failing
// test leaves running is ended when the test ends.
class VarnookTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Starts the program with the test's folder as its working folder, and
    // as the folder it shows when `showFolder` is set (stored as LastFolder
    // first), and waits for its window.
    ProgramUnderTest& Start(bool showFolder = false);
    [[nodiscard]] ProgramUnderTest& Program() const;
    [[nodiscard]] const TempFolder& Folder() const noexcept { return folder_; }
    // The log file the program writes: its temporary folder + "varnook.log".
    [[nodiscard]] static std::wstring LogPath();

private:
    TempFolder folder_;
    std::unique_ptr<ProgramUnderTest> program_;
};
