#include "Benchmark.h"

#include "platform/Win32.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>

double Benchmark::Seconds(const std::function<void()>& operation)
{
    const auto start = std::chrono::steady_clock::now();
    operation();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

double Benchmark::Median(std::vector<double> samples)
{
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

double Benchmark::ProcessCpuSeconds()
{
    FILETIME creation{};
    FILETIME exit{};
    FILETIME kernel{};
    FILETIME user{};
    ::GetProcessTimes(::GetCurrentProcess(), &creation, &exit, &kernel, &user);
    const auto ticks = [](const FILETIME& time) {
        return (static_cast<std::uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
    };
    return static_cast<double>(ticks(kernel) + ticks(user)) / 1e7;
}

void Benchmark::Compare(const std::wstring& name, const std::function<void()>& ours, const std::function<void()>& bare)
{
    Compare(
        name, [] {}, ours, [] {}, bare);
}

void Benchmark::Compare(const std::wstring& name, const std::function<void()>& prepareOurs,
    const std::function<void()>& ours, const std::function<void()>& prepareBare, const std::function<void()>& bare)
{
    std::vector<double> oursSamples;
    std::vector<double> bareSamples;
    for (int i = 0; i < repetitions_; ++i) {
        prepareOurs();
        oursSamples.push_back(Seconds(ours));
        prepareBare();
        bareSamples.push_back(Seconds(bare));
    }
    const double oursMedian = Median(oursSamples);
    const double bareMedian = Median(bareSamples);
    std::wprintf(L"%-44ls %9.3f s   bare %9.3f s   ratio %5.2f\n", name.c_str(), oursMedian, bareMedian,
        oursMedian / bareMedian);
    std::fflush(stdout);
}

void Benchmark::Measure(const std::wstring& name, const std::function<void()>& operation, double goalSeconds)
{
    Measure(
        name, [] {}, operation, goalSeconds);
}

void Benchmark::Measure(const std::wstring& name, const std::function<void()>& prepare,
    const std::function<void()>& operation, double goalSeconds)
{
    std::vector<double> samples;
    for (int i = 0; i < repetitions_; ++i) {
        prepare();
        samples.push_back(Seconds(operation));
    }
    std::wprintf(L"%-44ls %9.3f s   goal  < %6.3f s\n", name.c_str(), Median(samples), goalSeconds);
    std::fflush(stdout);
}
