#pragma once

#include "Benchmark.h"

#include "platform/Win32.h"

#include <string>

// The folder listing and the processing run on the in-memory window state,
// the run against a bare loop of the same Win32 calls on an identical tree.
void BenchmarkListing(Benchmark& benchmark, const std::wstring& folder);
void BenchmarkProcessingRun(Benchmark& benchmark, const std::wstring& ourTree, const std::wstring& bareTree);

// The run's work on `tree` without the program: every name below it and its
// own in the letter-case `style`, and `moment` as every item's three times.
void BareRun(const std::wstring& tree, int style, const FILETIME& moment);
// The moment the runs set: 15 July 2026, 12:00 local time.
FILETIME BareMoment();
