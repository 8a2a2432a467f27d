#pragma once

#include "Benchmark.h"

#include "platform/Handles.h"

#include <string>

// The real folder list on a shown window: the listing of a big folder
// against a bare loop of the same platform calls, Select all and sorting.
void BenchmarkList(Benchmark& benchmark, const std::wstring& folder);

// A plain list view beside `bounds` on `host`, with the real list's two columns.
WindowHandle BareList(HWND host, RECT bounds);
// Lists `folder` into a list made by BareList with the bare platform calls.
void BareFill(HWND list, const std::wstring& folder);
