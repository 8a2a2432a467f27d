#pragma once

#include "runtime/OleDate.h"

#include <cstdint>
#include <string>
#include <variant>

// A tagged value: empty, boolean, 32-bit number, date or text. Conversions
// follow the platform's variant rules in the user's locale; a value that
// cannot be converted raises TypeMismatchError, one that does not fit
// raises OverflowError.
class Variant {
public:
    enum class Kind { Empty, Boolean, Number, Date, Text };

    Variant() noexcept = default;
    Variant(bool value) : value_(value) {}
    Variant(std::int32_t value) : value_(value) {}
    Variant(OleDate value) : value_(value) {}
    Variant(std::wstring value) : value_(std::move(value)) {}
    Variant(const wchar_t* value) : value_(std::wstring(value)) {}

    [[nodiscard]] Kind GetKind() const noexcept { return static_cast<Kind>(value_.index()); }
    [[nodiscard]] bool IsEmpty() const noexcept { return GetKind() == Kind::Empty; }

    [[nodiscard]] std::wstring ToText() const;
    [[nodiscard]] OleDate ToDate() const;
    [[nodiscard]] double ToDouble() const;
    // Rounds a fraction to the nearest integer, a half to the even one.
    [[nodiscard]] std::int32_t ToInt32() const;
    [[nodiscard]] bool ToBoolean() const;

    // Date parts of the value read as a date.
    [[nodiscard]] int Year() const { return ToDate().Year(); }
    [[nodiscard]] int Month() const { return ToDate().Month(); }
    [[nodiscard]] int Day() const { return ToDate().Day(); }
    [[nodiscard]] int Hour() const { return ToDate().Hour(); }
    [[nodiscard]] int Minute() const { return ToDate().Minute(); }
    [[nodiscard]] int Second() const { return ToDate().Second(); }

    friend bool operator==(const Variant&, const Variant&) = default;

private:
    std::variant<std::monostate, bool, std::int32_t, OleDate, std::wstring> value_;
};
