#pragma once

#include "controls/host/ComponentSite.h"
#include "controls/host/PropertyStore.h"

#include <string>

// A component placed on a form. Its life, in calls: construction
// (initialise), then either InitProperties (newly placed: every setting
// takes its default) or ReadProperties (a placed component takes its stored
// settings), WriteProperties when a design is saved, and destruction
// (terminate), which releases every resource the component holds, whatever
// else still exists.
class Component {
public:
    Component(ComponentSite& site, std::wstring name) : site_(site), name_(std::move(name)) {}
    virtual ~Component() = default;
    Component(const Component&) = delete;
    Component& operator=(const Component&) = delete;

    [[nodiscard]] const std::wstring& Name() const noexcept { return name_; }

    virtual void InitProperties() = 0;
    virtual void ReadProperties(const PropertyStore& store) = 0;
    virtual void WriteProperties(PropertyStore& store) const = 0;

protected:
    [[nodiscard]] ComponentSite& Site() const noexcept { return site_; }
    [[nodiscard]] bool UserMode() const { return site_.UserMode(); }
    void MarkChanged(const std::wstring& key) { site_.PropertyChanged(name_, key); }

private:
    ComponentSite& site_;
    std::wstring name_;
};
