#pragma once

#include "controls/standard/ComboBoxState.h"

#include <cstdint>

// A drop-down list held in memory: only its number of entries and the
// selection matter to the procedures.
class ComboBoxModel final : public ComboBoxState {
public:
    explicit ComboBoxModel(std::int32_t entryCount) noexcept : entryCount_(entryCount) {}

    [[nodiscard]] std::int32_t ListIndex() const override { return listIndex_; }
    void SetListIndex(std::int32_t index) override;

private:
    std::int32_t entryCount_;
    std::int32_t listIndex_ = -1;
};
