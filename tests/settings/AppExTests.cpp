#include "settings/AppEx.h"

#include <gtest/gtest.h>

namespace {

// Test programs carry the program's own version resource.
TEST(AppEx, RegistryKeyComesFromTheVersionInformation)
{
    EXPECT_EQ(AppEx().RegistryKey(), L"Software\\Pellonar\\Varnook");
}

} // namespace
