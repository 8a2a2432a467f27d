#pragma once

#include "controls/host/FontDesc.h"
#include "runtime/OleDate.h"

#include <cstdint>
#include <string>
#include <utility>
#include <variant>
#include <vector>

// A picture a component shows: an icon resource of the program's own
// executable (0 for none). Such icons are shared and never destroyed.
struct IconRef {
    int ResourceId = 0;
    friend bool operator==(IconRef, IconRef) = default;
};

using PropertyValue = std::variant<bool, std::int32_t, double, OleDate, std::wstring, FontDesc, IconRef>;

// The stored settings of one component: keys in the order they were
// written, each with a value that carries its kind. A form's design is such
// a store per component, read at load.
class PropertyStore {
public:
    PropertyStore() = default;
    PropertyStore(std::initializer_list<std::pair<std::wstring, PropertyValue>> entries);

    // The key of one item's setting: "ColumnText(1)".
    [[nodiscard]] static std::wstring ItemKey(const std::wstring& name, std::int32_t index);

    [[nodiscard]] const PropertyValue* Find(const std::wstring& key) const;

    // A missing key, or one that holds another kind of value, reads as the
    // fallback: a setting that cannot be read is skipped.
    template <typename T>
    [[nodiscard]] T Read(const std::wstring& key, const T& fallback) const
    {
        const PropertyValue* found = Find(key);
        const T* value = found != nullptr ? std::get_if<T>(found) : nullptr;
        return value != nullptr ? *value : fallback;
    }

    // A value equal to its default is not stored (and a stored one is dropped).
    template <typename T>
    void Write(const std::wstring& key, const T& value, const T& fallback)
    {
        if (value == fallback) {
            Remove(key);
        } else {
            Set(key, value);
        }
    }

    void Set(const std::wstring& key, PropertyValue value);
    void Remove(const std::wstring& key);

    [[nodiscard]] const std::vector<std::pair<std::wstring, PropertyValue>>& Entries() const noexcept
    {
        return entries_;
    }

private:
    std::vector<std::pair<std::wstring, PropertyValue>> entries_;
};
