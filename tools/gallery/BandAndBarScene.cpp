#include "Gallery.h"

#include "controls/InfoFrame.h"
#include "controls/ProgressBar.h"
#include "resource.h"

namespace {

// The main window's band and progress bar as designed, the bar half full.
void Build(GalleryWindow& window)
{
    auto& band = window.Add<InfoFrame>(L"InfoFrameVarnook", window.FromTwips(0, 0, 7815, 945), 100);
    band.ReadProperties({{L"ForeColor", std::int32_t{0x00FFFFFF}}, {L"Icon", IconRef{IDI_VARNOOK}},
        {L"Text", std::wstring(L"Varnook")}});
    band.Resize();
    auto& bar = window.Add<ProgressBar>(L"ProgressBarVarnook", window.FromTwips(120, 1200, 7575, 255), 101);
    bar.ReadProperties({{L"Scrolling", std::int32_t{1}}, {L"Max", std::int32_t{70'000}}});
    bar.SetValue(35'000);
}

const SceneRegistration registration({L"band-and-bar", 7815, 1600, &Build});

} // namespace
