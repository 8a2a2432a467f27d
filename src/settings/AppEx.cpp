#include "settings/AppEx.h"

#include "platform/ProgramInfo.h"

#include <algorithm>

namespace {

std::wstring WithoutSpaces(std::wstring text)
{
    text.erase(std::remove(text.begin(), text.end(), L' '), text.end());
    return text;
}

std::wstring ProductKey(const ProgramInfo& program)
{
    return L"Software\\" + program.CompanyName() + L"\\" + WithoutSpaces(program.ProductName());
}

} // namespace

AppEx::AppEx() : registryKey_(ProductKey(ProgramInfo()))
{
}
