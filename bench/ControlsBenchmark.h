#pragma once

#include "Benchmark.h"

// The components on a real, shown window.
void BenchmarkProgressBar(Benchmark& benchmark);
