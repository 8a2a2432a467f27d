#include "e2e/VarnookTest.h"

#include "app/ControlIds.h"
#include "platform/Dpi.h"
#include "platform/PlatformText.h"
#include "probe/WindowReader.h"

#include <map>

namespace {

// The DPI the session was set up with (the e2e_144dpi entry sets 144), or 0 when not given.
UINT RequestedDpi()
{
    const std::wstring value = ReadPlatformText([](wchar_t* buffer, DWORD capacity) {
        return ::GetEnvironmentVariableW(L"VARNOOK_E2E_DPI", buffer, capacity);
    });
    return value.empty() ? 0 : static_cast<UINT>(std::stoul(value));
}

} // namespace

// Runs in every prefix; the e2e_144dpi entry runs only these.
class DpiTest : public VarnookTest {};

TEST_F(DpiTest, WindowHasTheDesignedClientSizeAtTheScreenDpi)
{
    const UINT dpi = Dpi::OfSystem();
    if (RequestedDpi() != 0) {
        ASSERT_EQ(dpi, RequestedDpi()) << "the Wine prefix did not take its LogPixels";
    }
    // The design's 7,815 x 7,080 twips in whole pixels, and where the progress
    // bar along its foot ends (7,695, 6,975).
    const std::map<UINT, SIZE> clientSizes{{96, {521, 472}}, {120, {651, 590}}, {144, {782, 708}}, {192, {1042, 944}}};
    const std::map<UINT, POINT> barEnds{{96, {513, 465}}, {120, {641, 581}}, {144, {770, 698}}, {192, {1026, 930}}};

    const ProgramUnderTest& program = Start();
    ASSERT_TRUE(WindowReader::IsVisible(program.MainWindow()));

    ASSERT_TRUE(clientSizes.contains(dpi)) << "no client size known for " << dpi << " dpi";
    const SIZE client = WindowReader::ClientSize(program.MainWindow());
    EXPECT_EQ(client.cx, clientSizes.at(dpi).cx);
    EXPECT_EQ(client.cy, clientSizes.at(dpi).cy);
    // A window sized for the screen's DPI with its parts laid out for 96 dpi
    // has the right size and a third of it empty.
    RECT bar{};
    ::GetWindowRect(program.Control(ControlIds::ProgressBarVarnook), &bar);
    ::MapWindowPoints(nullptr, program.MainWindow(), reinterpret_cast<POINT*>(&bar), 2);
    EXPECT_EQ(bar.right, barEnds.at(dpi).x);
    EXPECT_EQ(bar.bottom, barEnds.at(dpi).y);
}
