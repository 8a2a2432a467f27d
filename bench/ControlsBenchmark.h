#pragma once

#include "Benchmark.h"

#include "platform/Handles.h"

// A shown window the size of the main window, as a host for components.
WindowHandle ShownHost();

// The components on a real, shown window.
void BenchmarkProgressBar(Benchmark& benchmark);
