#include "controls/Gradient.h"
#include "controls/InfoFrame.h"

#include "platform/PendingMessages.h"
#include "resource.h"
#include "support/TestHostWindow.h"

#include <gtest/gtest.h>

namespace {

TEST(Gradient, ChangesLinearlyRoundingHalvesToEven)
{
    const std::vector<Gradient::Run> greys = Gradient::Runs(4, RGB(0, 0, 0), RGB(255, 255, 255));
    const std::vector<Gradient::Run> expected{{0, 0, RGB(0, 0, 0)}, {1, 1, RGB(64, 64, 64)}, {2, 2, RGB(128, 128, 128)},
        {3, 3, RGB(191, 191, 191)}, {4, 4, RGB(255, 255, 255)}};
    EXPECT_EQ(greys, expected);
    EXPECT_EQ(Gradient::Runs(300, RGB(1, 2, 3), RGB(1, 2, 3)), (std::vector<Gradient::Run>{{0, 300, RGB(1, 2, 3)}}));
    EXPECT_EQ(Gradient::Runs(0, RGB(9, 9, 9), RGB(0, 0, 0)), (std::vector<Gradient::Run>{{0, 0, RGB(9, 9, 9)}}));
}

class Clicks final : public InfoFrameEvents {
public:
    void Click() override { ++clicks; }
    void DblClick() override { ++doubleClicks; }
    int clicks = 0;
    int doubleClicks = 0;
};

COLORREF PixelAt(HWND window, int x, int y)
{
    ::UpdateWindow(window);
    const WindowDc dc(window);
    return ::GetPixel(dc.Get(), x, y);
}

TEST(InfoFrame, TakesItsHeightAndTheParentsWidthAtAnyDpi)
{
    for (const UINT dpi : {96u, 144u}) {
        TestHostWindow host;
        host.Site().SetDpi(dpi);
        InfoFrame band(host.Site(), L"InfoFrameVarnook", {0, 0, 10, 10}, 100);
        band.InitProperties();
        band.Resize();
        RECT client{};
        ::GetClientRect(band.Hwnd(), &client);
        EXPECT_EQ(client.right, 521) << dpi;
        EXPECT_EQ(client.bottom, dpi == 96 ? 63 : 95) << dpi;
    }
    const InfoFrame::Layout layout = InfoFrame::LayoutFor(500, 96);
    EXPECT_EQ(layout.Label.right - layout.Label.left, 429);
    EXPECT_EQ(layout.LineEnd, 500);
    EXPECT_EQ(InfoFrame::LayoutFor(500, 144).Icon.right - InfoFrame::LayoutFor(500, 144).Icon.left, 48);
}

TEST(InfoFrame, PaintsItsColoursAndTheEtchedLine)
{
    TestHostWindow host;
    InfoFrame band(host.Site(), L"InfoFrameVarnook", {0, 0, 521, 63}, 100);
    band.ReadProperties({{L"ForeColor", std::int32_t{0x00FFFFFF}}, {L"Icon", IconRef{IDI_VARNOOK}},
        {L"Text", std::wstring(L"Varnook")}});
    EXPECT_EQ(PixelAt(band.Hwnd(), 300, 5), RGB(0x50, 0x61, 0x79));
    EXPECT_EQ(PixelAt(band.Hwnd(), 300, 61), RGB(0x80, 0x80, 0x80));
    EXPECT_EQ(PixelAt(band.Hwnd(), 300, 62), RGB(0xFF, 0xFF, 0xFF));

    band.SetBackColor(0x000000FF);
    band.SetGradientColor(0x00FF0000);
    EXPECT_EQ(PixelAt(band.Hwnd(), 0, 5), RGB(0xFF, 0, 0));
    EXPECT_EQ(PixelAt(band.Hwnd(), 520, 5), RGB(0, 0, 0xFF));
}

TEST(InfoFrame, ANewBandShowsItsNameAndReportsClicksWhileEnabled)
{
    TestHostWindow host;
    InfoFrame band(host.Site(), L"InfoFrameVarnook", {0, 0, 521, 63}, 100);
    band.InitProperties();
    EXPECT_EQ(band.Text(), L"InfoFrameVarnook");

    Clicks clicks;
    band.SetEvents(&clicks);
    const LPARAM onIcon = MAKELPARAM(20, 20);
    ::SendMessageW(band.Hwnd(), WM_LBUTTONUP, 0, onIcon);
    ::SendMessageW(band.Hwnd(), WM_LBUTTONDBLCLK, 0, onIcon);
    band.SetEnabled(false);
    ::SendMessageW(band.Hwnd(), WM_LBUTTONUP, 0, onIcon);
    EXPECT_EQ(clicks.clicks, 1);
    EXPECT_EQ(clicks.doubleClicks, 1);
}

} // namespace
