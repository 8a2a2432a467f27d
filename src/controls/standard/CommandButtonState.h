#pragma once

// A push button, as far as a window's procedures use it.
class CommandButtonState {
public:
    virtual ~CommandButtonState() = default;

    [[nodiscard]] virtual bool Enabled() const = 0;
    virtual void SetEnabled(bool enabled) = 0;
};
