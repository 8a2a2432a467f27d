#pragma once

#include <chrono>
#include <functional>
#include <string>
#include <vector>

// Side-by-side timing: the program's operation against a bare loop of the
// same platform calls, alternated and repeated, compared by their medians.
class Benchmark {
public:
    explicit Benchmark(int repetitions) : repetitions_(repetitions) {}

    // Times `ours` against `bare` and prints one result line.
    void Compare(const std::wstring& name, const std::function<void()>& ours, const std::function<void()>& bare);
    // The same, with each side's `prepare` run untimed before every repetition of it.
    void Compare(const std::wstring& name, const std::function<void()>& prepareOurs, const std::function<void()>& ours,
        const std::function<void()>& prepareBare, const std::function<void()>& bare);
    // Times one operation against a fixed goal in seconds.
    void Measure(const std::wstring& name, const std::function<void()>& operation, double goalSeconds);
    // The same, with `prepare` run untimed before every repetition.
    void Measure(const std::wstring& name, const std::function<void()>& prepare, const std::function<void()>& operation,
        double goalSeconds);

    // CPU time the whole process has used so far, user and kernel.
    static double ProcessCpuSeconds();

private:
    static double Seconds(const std::function<void()>& operation);
    static double Median(std::vector<double> samples);

    int repetitions_;
};
