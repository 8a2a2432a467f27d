#include "controls/host/ComponentFont.h"
#include "controls/host/FontDesc.h"
#include "controls/plumbing/Subclassing.h"
#include "support/TestHostWindow.h"

#include <gtest/gtest.h>

namespace {

LOGFONTW Description(HFONT font)
{
    LOGFONTW logical{};
    ::GetObjectW(font, sizeof(logical), &logical);
    return logical;
}

TEST(FontDesc, MakesFontsForEveryScriptAtTheFractionalSize)
{
    const FontDesc message = FontDesc::MessageFont();
    EXPECT_FALSE(message.Face.empty());
    EXPECT_NE(message.Face, L"MS Sans Serif");

    const FontDesc designed{L"Tahoma", 8.25};
    EXPECT_EQ(designed.Height(96), -11);
    // 8.25 points at 120 dpi are 13.75 pixels: rounding the points first would give 13.
    EXPECT_EQ(designed.Height(120), -14);
    const GdiObject font = designed.Create(144);
    const LOGFONTW logical = Description(static_cast<HFONT>(font.Get()));
    EXPECT_EQ(logical.lfCharSet, DEFAULT_CHARSET);
    EXPECT_EQ(logical.lfHeight, designed.Height(144));
}

// Records, whenever the window is given a font, whether the font it held
// until then was still alive at that moment.
LRESULT CALLBACK CheckHeldFont(HWND window, UINT message, WPARAM wparam, LPARAM lparam)
{
    if (message == WM_SETFONT) {
        const auto held = reinterpret_cast<HFONT>(::SendMessageW(window, WM_GETFONT, 0, 0));
        if (held != nullptr && ::GetObjectType(held) == 0) {
            ::SetPropW(window, L"HeldDeletedFont", reinterpret_cast<HANDLE>(1));
        }
    }
    return plumbing::Subclassing::CallPrevious(window, L"CheckHeldFontProc", message, wparam, lparam);
}

TEST(ComponentFont, TheWindowNeverHoldsADeletedFontAndUnchangedFontsAreKept)
{
    TestHostWindow host;
    ComponentFont font;
    const WindowHandle label(::CreateWindowExW(0, L"STATIC", L"x", WS_CHILD | WS_VISIBLE, 0, 0, 50, 20, host.Hwnd(),
        nullptr, ::GetModuleHandleW(nullptr), nullptr));
    plumbing::Subclassing check;
    check.SetOwnerHwnd(label.Get());
    check.SetWindowProc(L"CheckHeldFontProc");
    ASSERT_TRUE(check.Create(&CheckHeldFont));

    ASSERT_TRUE(font.Apply(label.Get(), {L"Tahoma", 8.25}, 96));
    const HFONT first = font.Handle();
    ASSERT_TRUE(font.Apply(label.Get(), {L"Tahoma", 8.25}, 96));
    EXPECT_EQ(font.Handle(), first);
    ASSERT_TRUE(font.Apply(label.Get(), {L"Tahoma", 8.25, true}, 96));
    ASSERT_TRUE(font.Apply(label.Get(), {L"Tahoma", 8.25, true}, 144));
    EXPECT_EQ(reinterpret_cast<HFONT>(::SendMessageW(label.Get(), WM_GETFONT, 0, 0)), font.Handle());
    EXPECT_EQ(::GetPropW(label.Get(), L"HeldDeletedFont"), nullptr);
}

} // namespace
