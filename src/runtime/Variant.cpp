#include "runtime/Variant.h"

#include "runtime/RuntimeError.h"

#include <cmath>
#include <limits>

namespace {

// A boolean's number is -1 for true, as in every Automation conversion.
double BooleanNumber(bool value)
{
    return value ? -1.0 : 0.0;
}

double ParseNumber(const std::wstring& text)
{
    double value = 0.0;
    if (FAILED(::VarR8FromStr(const_cast<OLECHAR*>(text.c_str()), LOCALE_USER_DEFAULT, 0, &value))) {
        throw TypeMismatchError();
    }
    return value;
}

} // namespace

std::wstring Variant::ToText() const
{
    switch (GetKind()) {
    case Kind::Empty:
        return {};
    case Kind::Boolean:
        return std::get<bool>(value_) ? L"True" : L"False";
    case Kind::Number:
        return std::to_wstring(std::get<std::int32_t>(value_));
    case Kind::Date:
        return std::get<OleDate>(value_).ToText();
    case Kind::Text:
        break;
    }
    return std::get<std::wstring>(value_);
}

OleDate Variant::ToDate() const
{
    switch (GetKind()) {
    case Kind::Empty:
        return OleDate();
    case Kind::Boolean:
        return OleDate(BooleanNumber(std::get<bool>(value_)));
    case Kind::Number:
        return OleDate(std::get<std::int32_t>(value_));
    case Kind::Date:
        return std::get<OleDate>(value_);
    case Kind::Text:
        break;
    }
    const auto parsed = OleDate::Parse(std::get<std::wstring>(value_));
    if (!parsed) {
        throw TypeMismatchError();
    }
    return *parsed;
}

double Variant::ToDouble() const
{
    switch (GetKind()) {
    case Kind::Empty:
        return 0.0;
    case Kind::Boolean:
        return BooleanNumber(std::get<bool>(value_));
    case Kind::Number:
        return std::get<std::int32_t>(value_);
    case Kind::Date:
        return std::get<OleDate>(value_).Value();
    case Kind::Text:
        break;
    }
    return ParseNumber(std::get<std::wstring>(value_));
}

std::int32_t Variant::ToInt32() const
{
    if (GetKind() == Kind::Number) {
        return std::get<std::int32_t>(value_);
    }
    const double rounded = std::nearbyint(ToDouble());
    if (!(rounded >= std::numeric_limits<std::int32_t>::min() && rounded <= std::numeric_limits<std::int32_t>::max())) {
        throw OverflowError();
    }
    return static_cast<std::int32_t>(rounded);
}

bool Variant::ToBoolean() const
{
    if (GetKind() == Kind::Text) {
        VARIANT_BOOL value = VARIANT_FALSE;
        const auto& text = std::get<std::wstring>(value_);
        if (FAILED(::VarBoolFromStr(const_cast<OLECHAR*>(text.c_str()), LOCALE_USER_DEFAULT, 0, &value))) {
            throw TypeMismatchError();
        }
        return value != 0;
    }
    return ToDouble() != 0.0;
}
