#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Sorts names[first..last] ascending by their lower-cased text, compared code
// unit by code unit, keeping equal names in their order: the order of a
// neighbour-exchange sort, in O(n log n) with one lower-casing per name.
void SortNames(std::int32_t first, std::int32_t last, std::vector<std::wstring>& names);
