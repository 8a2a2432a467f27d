#pragma once

#include "Benchmark.h"

#include <string>

// The program's real main window, shown and watching its folder as the
// program runs it: listing, a processing run started from the window, the
// idle watch's cost, how soon a new file is listed, and memory. The listing
// and the run are compared with the bare loops of the list and run parts.
void BenchmarkWindow(Benchmark& benchmark, Benchmark& slowBenchmark, const std::wstring& root);
