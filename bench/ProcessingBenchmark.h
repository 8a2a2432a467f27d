#pragma once

#include "Benchmark.h"

#include <string>

// The folder listing and the processing run on the in-memory window state,
// the run against a bare loop of the same Win32 calls on an identical tree.
void BenchmarkListing(Benchmark& benchmark, const std::wstring& folder);
void BenchmarkProcessingRun(Benchmark& benchmark, const std::wstring& ourTree, const std::wstring& bareTree);
