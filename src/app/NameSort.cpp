#include "app/NameSort.h"

#include "engine/LetterCase.h"

#include <algorithm>
#include <numeric>

void SortNames(std::int32_t first, std::int32_t last, std::vector<std::wstring>& names)
{
    if (first < 0 || last <= first || static_cast<size_t>(last) >= names.size()) {
        return;
    }
    const auto begin = names.begin() + first;
    const auto end = names.begin() + last + 1;
    std::vector<std::wstring> keys;
    keys.reserve(static_cast<size_t>(end - begin));
    std::transform(
        begin, end, std::back_inserter(keys), [](const std::wstring& name) { return LetterCase::ToLower(name); });

    std::vector<size_t> order(keys.size());
    std::iota(order.begin(), order.end(), size_t{0});
    std::stable_sort(order.begin(), order.end(), [&keys](size_t a, size_t b) { return keys[a] < keys[b]; });

    std::vector<std::wstring> sorted;
    sorted.reserve(order.size());
    for (const size_t index : order) {
        sorted.push_back(std::move(*(begin + static_cast<std::ptrdiff_t>(index))));
    }
    std::move(sorted.begin(), sorted.end(), begin);
}
