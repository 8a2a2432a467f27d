#include "platform/ProgramInfo.h"

#include "platform/PlatformText.h"
#include "platform/Win32.h"

#include <cwchar>
#include <vector>

namespace {

std::wstring ModulePath()
{
    return ReadPlatformText(
        [](wchar_t* buffer, DWORD capacity) { return ::GetModuleFileNameW(nullptr, buffer, capacity); });
}

class VersionResource {
public:
    explicit VersionResource(const std::wstring& path)
    {
        DWORD ignored = 0;
        const DWORD size = ::GetFileVersionInfoSizeW(path.c_str(), &ignored);
        if (size == 0) {
            return;
        }
        data_.resize(size);
        if (!::GetFileVersionInfoW(path.c_str(), 0, size, data_.data())) {
            data_.clear();
            return;
        }
        struct Translation {
            WORD language;
            WORD codePage;
        };
        Translation* translation = nullptr;
        UINT length = 0;
        if (::VerQueryValueW(
                data_.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation), &length) &&
            length >= sizeof(Translation)) {
            wchar_t block[64];
            std::swprintf(block, 64, L"\\StringFileInfo\\%04x%04x\\", translation->language, translation->codePage);
            block_ = block;
        }
    }

    [[nodiscard]] const VS_FIXEDFILEINFO* FixedInfo() const
    {
        VS_FIXEDFILEINFO* info = nullptr;
        UINT length = 0;
        if (data_.empty() || !::VerQueryValueW(data_.data(), L"\\", reinterpret_cast<void**>(&info), &length) ||
            length < sizeof(VS_FIXEDFILEINFO)) {
            return nullptr;
        }
        return info;
    }

    [[nodiscard]] std::wstring Text(const wchar_t* name) const
    {
        if (data_.empty() || block_.empty()) {
            return {};
        }
        wchar_t* value = nullptr;
        UINT length = 0;
        const std::wstring query = block_ + name;
        if (!::VerQueryValueW(data_.data(), query.c_str(), reinterpret_cast<void**>(&value), &length) ||
            value == nullptr) {
            return {};
        }
        return std::wstring(value, wcsnlen(value, length));
    }

private:
    std::vector<unsigned char> data_;
    std::wstring block_;
};

} // namespace

ProgramInfo::ProgramInfo() : executablePath_(ModulePath())
{
    const VersionResource resource(executablePath_);
    companyName_ = resource.Text(L"CompanyName");
    productName_ = resource.Text(L"ProductName");
    fileVersion_ = resource.Text(L"FileVersion");
    legalCopyright_ = resource.Text(L"LegalCopyright");
    if (const VS_FIXEDFILEINFO* info = resource.FixedInfo()) {
        majorVersion_ = HIWORD(info->dwFileVersionMS);
        minorVersion_ = LOWORD(info->dwFileVersionMS);
    }
}

std::wstring ProgramInfo::ApplicationTitle() const
{
    return companyName_ + L" " + productName_;
}

std::wstring ProgramInfo::ExecutableFolder() const
{
    const size_t separator = executablePath_.find_last_of(L"\\/");
    if (separator == std::wstring::npos) {
        return {};
    }
    // A drive root keeps its backslash: C:\ rather than C:.
    const bool isRoot = separator == 2 && executablePath_[1] == L':';
    return executablePath_.substr(0, isRoot ? separator + 1 : separator);
}

std::wstring ProgramInfo::ExecutableTitle() const
{
    const size_t separator = executablePath_.find_last_of(L"\\/");
    std::wstring name = executablePath_.substr(separator == std::wstring::npos ? 0 : separator + 1);
    const size_t dot = name.find_last_of(L'.');
    return dot == std::wstring::npos ? name : name.substr(0, dot);
}
