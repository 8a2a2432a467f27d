#pragma once

#include "controls/standard/ComboBoxState.h"
#include "controls/standard/StandardControl.h"

#include <string>
#include <vector>

// A drop-down list of fixed entries.
class ComboBox final : public StandardControl, public ComboBoxState {
public:
    // `bounds` is the closed box; the list drops below it.
    ComboBox(const std::vector<std::wstring>& entries, RECT bounds, HWND parent, int id);
    // The window of a box placed at `bounds`: the box with its dropped list.
    [[nodiscard]] static RECT WithDroppedList(RECT bounds);

    [[nodiscard]] std::int32_t ListIndex() const override;
    void SetListIndex(std::int32_t index) override;

    // Replaces the text of one entry; its position, and so what its index
    // means, stays.
    void SetEntry(std::int32_t index, const std::wstring& text);
    [[nodiscard]] std::int32_t EntryCount() const;
};
