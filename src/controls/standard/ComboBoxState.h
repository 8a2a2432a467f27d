#pragma once

#include <cstdint>

// A drop-down list of fixed entries, read as its selection index.
class ComboBoxState {
public:
    virtual ~ComboBoxState() = default;

    // -1 while nothing is selected, else 0 to the entry count - 1.
    [[nodiscard]] virtual std::int32_t ListIndex() const = 0;
    // An index outside the entries clears the selection (-1), as the
    // platform's drop-down list does.
    virtual void SetListIndex(std::int32_t index) = 0;
};
