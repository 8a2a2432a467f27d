#include "ControlsBenchmark.h"

#include "controls/ProgressBar.h"
#include "controls/host/FormSite.h"
#include "platform/Dpi.h"
#include "platform/Handles.h"
#include "platform/PendingMessages.h"

namespace {

constexpr int Steps = 100'000;
// Pushing a position costs about a millisecond under Wine, which paints at
// once: pushing every step of the full length would take minutes.
constexpr int BareSteps = 2'000;

void StepThrough(ProgressBar& bar, int steps)
{
    bar.SetMax(steps);
    for (int value = 0; value <= steps; ++value) {
        bar.SetValue(value);
    }
}

} // namespace

WindowHandle ShownHost()
{
    WindowHandle host(
        ::CreateWindowExW(WS_EX_CONTROLPARENT, L"STATIC", L"benchmark", WS_OVERLAPPED | WS_CAPTION | WS_VISIBLE, 0, 0,
            560, 520, nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr));
    (void)PendingMessages::Process();
    return host;
}

// A run steps the bar once per entry: 100,000 steps must stay well under a
// second; the bare loop, which pushes every step, shows what that saves.
void BenchmarkProgressBar(Benchmark& benchmark)
{
    const WindowHandle host = ShownHost();
    FormSite site(host.Get());
    ProgressBar bar(site, L"ProgressBarVarnook", Dpi::FromTwips(120, 6720, 7575, 255, site.Dpi()), 100);
    bar.ReadProperties({{L"Scrolling", std::int32_t{1}}});
    const WindowHandle bare(::CreateWindowExW(0, PROGRESS_CLASSW, L"", WS_CHILD | WS_VISIBLE | PBS_SMOOTH, 8, 40, 505,
        17, host.Get(), nullptr, ::GetModuleHandleW(nullptr), nullptr));
    ::SendMessageW(bare.Get(), PBM_SETRANGE32, 0, BareSteps);
    Benchmark(3).Compare(
        L"Progress bar, 2,000 steps", [&] { StepThrough(bar, BareSteps); },
        [&] {
            for (int value = 0; value <= BareSteps; ++value) {
                ::SendMessageW(bare.Get(), PBM_SETPOS, static_cast<WPARAM>(value), 0);
            }
        });
    benchmark.Measure(
        L"Progress bar, 100,000 steps", [&] { StepThrough(bar, Steps); }, 1.0);
}
