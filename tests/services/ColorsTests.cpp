#include "platform/Win32.h"
#include "runtime/RuntimeError.h"
#include "services/Colors.h"

#include <gtest/gtest.h>

namespace {

constexpr std::int32_t SystemColor(int index)
{
    return static_cast<std::int32_t>(0x80000000u | static_cast<unsigned>(index));
}

TEST(Colors, TranslateKeepsAnRgbValue)
{
    for (const std::int32_t rgb : {0x00000000, 0x00123456, 0x00FFFFFF}) {
        EXPECT_EQ(Colors().Translate(rgb, std::int32_t{0}), rgb);
    }
}

TEST(Colors, TranslateGivesASystemColoursCurrentRgbValue)
{
    for (const int index : {COLOR_WINDOW, COLOR_WINDOWTEXT, COLOR_BTNFACE, COLOR_HIGHLIGHT}) {
        EXPECT_EQ(
            Colors().Translate(SystemColor(index), std::int32_t{0}), static_cast<std::int32_t>(::GetSysColor(index)));
    }
}

TEST(Colors, TranslateGivesMinusOneForAColourItCannotConvert)
{
    EXPECT_EQ(Colors().Translate(SystemColor(0xFF), std::int32_t{0}), -1);
    EXPECT_EQ(Colors().Translate(0x05000000, std::int32_t{0}), -1);
}

TEST(Colors, TranslateTakesThePaletteAsANumber)
{
    EXPECT_EQ(Colors().Translate(0x00123456, L"0"), 0x00123456);
    EXPECT_THROW((void)Colors().Translate(0x00123456, L"geen"), TypeMismatchError);
}

} // namespace
