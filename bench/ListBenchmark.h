#pragma once

#include "Benchmark.h"

#include <string>

// The real folder list on a shown window: the listing of a big folder
// against a bare loop of the same platform calls, Select all and sorting.
void BenchmarkList(Benchmark& benchmark, const std::wstring& folder);
