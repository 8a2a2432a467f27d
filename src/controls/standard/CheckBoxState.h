#pragma once

#include <cstdint>
#include <functional>

// A check box, read as a number: 1 checked, 0 unchecked.
class CheckBoxState {
public:
    using ClickHandler = std::function<void()>;

    virtual ~CheckBoxState() = default;

    [[nodiscard]] virtual std::int32_t Value() const = 0;
    // Anything but 0 or 1 is ignored. A change runs the click handler, after
    // the new value is stored, exactly as a user's click does; setting the
    // value the box already has is no click.
    virtual void SetValue(std::int32_t value) = 0;

    // The owner's click handling; it reads Value() itself.
    virtual void SetClickHandler(ClickHandler handler) = 0;
};
