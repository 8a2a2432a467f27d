#pragma once

// A push button of the window, as far as the procedures use it.
class CommandButtonState {
public:
    virtual ~CommandButtonState() = default;

    [[nodiscard]] virtual bool Enabled() const = 0;
    virtual void SetEnabled(bool enabled) = 0;
};
