#pragma once

#include <chrono>
#include <functional>
#include <optional>

// Waits for a condition of another process with a deadline. The program
// under test runs on its own schedule, so a test never sleeps a fixed time
// and hopes: it names what it waits for and how long that may take at most.
class Await {
public:
    using Milliseconds = std::chrono::milliseconds;

    // Long enough for a busy machine, short enough that a hung test fails well
    // before CTest's time-out ends the whole program.
    static constexpr Milliseconds DefaultTimeout{10000};

    // True as soon as `condition` holds; false when it still does not at the
    // deadline. It is asked once more at the deadline, so a slow poll cannot
    // cost the last chance.
    static bool Until(const std::function<bool()>& condition, Milliseconds timeout = DefaultTimeout);

    // The first value that `probe` gives, or nothing when it gives none before the deadline.
    template <typename T>
    static std::optional<T> Value(const std::function<std::optional<T>()>& probe, Milliseconds timeout = DefaultTimeout)
    {
        std::optional<T> value;
        Until([&] { return (value = probe()).has_value(); }, timeout);
        return value;
    }
};
