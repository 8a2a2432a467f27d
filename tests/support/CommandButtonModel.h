#pragma once

#include "controls/standard/CommandButtonState.h"

// A push button held in memory; enabled, as a button is placed.
class CommandButtonModel final : public CommandButtonState {
public:
    [[nodiscard]] bool Enabled() const override { return enabled_; }
    void SetEnabled(bool enabled) override { enabled_ = enabled; }

private:
    bool enabled_ = true;
};
