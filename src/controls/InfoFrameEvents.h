#pragma once

// What the title band tells its owner.
class InfoFrameEvents {
public:
    virtual void Click() {}
    virtual void DblClick() {}

protected:
    ~InfoFrameEvents() = default;
};
