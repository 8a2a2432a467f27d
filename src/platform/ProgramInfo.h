#pragma once

#include <string>

// What the program knows of itself: its executable and the texts of its
// own version resource (company and product name drive the window title
// and the registry key, so they are never written twice in the code).
class ProgramInfo {
public:
    ProgramInfo();

    [[nodiscard]] const std::wstring& CompanyName() const noexcept { return companyName_; }
    [[nodiscard]] const std::wstring& ProductName() const noexcept { return productName_; }
    [[nodiscard]] const std::wstring& FileVersion() const noexcept { return fileVersion_; }
    [[nodiscard]] const std::wstring& LegalCopyright() const noexcept { return legalCopyright_; }
    // The file version's numbers: 1 and 0 for version 1.0.
    [[nodiscard]] int MajorVersion() const noexcept { return majorVersion_; }
    [[nodiscard]] int MinorVersion() const noexcept { return minorVersion_; }
    [[nodiscard]] const std::wstring& ExecutablePath() const noexcept { return executablePath_; }

    // Company name, a space and the product name.
    [[nodiscard]] std::wstring ApplicationTitle() const;
    // The executable's folder, without a trailing backslash unless it is a root.
    [[nodiscard]] std::wstring ExecutableFolder() const;
    // The executable's file name without its extension.
    [[nodiscard]] std::wstring ExecutableTitle() const;

private:
    std::wstring executablePath_;
    std::wstring companyName_;
    std::wstring productName_;
    std::wstring fileVersion_;
    std::wstring legalCopyright_;
    int majorVersion_ = 0;
    int minorVersion_ = 0;
};
