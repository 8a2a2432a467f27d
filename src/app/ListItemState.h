#pragma once

#include <cstdint>
#include <string>

// One line of the folder list as the window's procedures see it: the name
// column is Text(0), the Modified column Text(1); the listing keeps "1" in
// the tag of a folder's line and "0" in that of a file.
class ListItemState {
public:
    virtual ~ListItemState() = default;

    // A column other than 0 or 1 reads as empty text and cannot be written.
    [[nodiscard]] virtual std::wstring Text(std::int32_t column) const = 0;
    virtual void SetText(std::int32_t column, const std::wstring& text) = 0;

    [[nodiscard]] virtual std::wstring Tag() const = 0;
    virtual void SetTag(const std::wstring& tag) = 0;

    // Selecting a line also gives it the keyboard focus, deselecting the
    // focused line takes the focus away, as the list control does.
    [[nodiscard]] virtual bool Selected() const = 0;
    virtual void SetSelected(bool selected) = 0;
};
