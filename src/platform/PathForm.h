#pragma once

#include <string>

// The two spellings of a path. Paths near or past 260 characters reach the
// platform in the extended \\?\ form, which lifts that limit; shorter ones go
// as given, with all the platform's usual rules.
namespace PathForm {

[[nodiscard]] std::wstring Extended(const std::wstring& path);
// Undoes the extended form on a path the platform hands back.
[[nodiscard]] std::wstring Ordinary(const std::wstring& path);

} // namespace PathForm
