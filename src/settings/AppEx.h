#pragma once

#include <string>

// Knows the product's own registry key, made from the program's version
// information once, when the object is created.
class AppEx {
public:
    AppEx();

    // "Software\" + company name + "\" + product name without spaces.
    [[nodiscard]] const std::wstring& RegistryKey() const noexcept { return registryKey_; }

private:
    std::wstring registryKey_;
};
