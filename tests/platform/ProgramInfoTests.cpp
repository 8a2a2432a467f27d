#include "platform/ProgramInfo.h"

#include <gtest/gtest.h>

// Test programs carry the same version resource as the program itself.
TEST(ProgramInfo, NamesComeFromTheVersionResource)
{
    const ProgramInfo program;
    EXPECT_EQ(program.CompanyName(), L"Pellonar");
    EXPECT_EQ(program.ProductName(), L"Varnook");
    EXPECT_EQ(program.ApplicationTitle(), L"Pellonar Varnook");
    EXPECT_EQ(program.FileVersion(), L"1.0");
    EXPECT_FALSE(program.LegalCopyright().empty());
}

TEST(ProgramInfo, ExecutableFolderAndTitle)
{
    const ProgramInfo program;
    EXPECT_EQ(program.ExecutableTitle(), L"test_platform");
    EXPECT_EQ(program.ExecutableFolder() + L"\\test_platform.exe", program.ExecutablePath());
}
