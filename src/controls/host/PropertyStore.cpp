#include "controls/host/PropertyStore.h"

#include <algorithm>

PropertyStore::PropertyStore(std::initializer_list<std::pair<std::wstring, PropertyValue>> entries)
{
    for (const auto& [key, value] : entries) {
        Set(key, value);
    }
}

std::wstring PropertyStore::ItemKey(const std::wstring& name, std::int32_t index)
{
    return name + L"(" + std::to_wstring(index) + L")";
}

const PropertyValue* PropertyStore::Find(const std::wstring& key) const
{
    const auto found =
        std::find_if(entries_.begin(), entries_.end(), [&key](const auto& entry) { return entry.first == key; });
    return found != entries_.end() ? &found->second : nullptr;
}

void PropertyStore::Set(const std::wstring& key, PropertyValue value)
{
    const auto found =
        std::find_if(entries_.begin(), entries_.end(), [&key](const auto& entry) { return entry.first == key; });
    if (found != entries_.end()) {
        found->second = std::move(value);
    } else {
        entries_.emplace_back(key, std::move(value));
    }
}

void PropertyStore::Remove(const std::wstring& key)
{
    std::erase_if(entries_, [&key](const auto& entry) { return entry.first == key; });
}
