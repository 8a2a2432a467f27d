#pragma once

#include <string>

// Stateless look-ups of the folders the platform knows: the folder shown in
// the file manager's explorer window, the shell's special folders, and the
// system, Windows, temporary and printer folders. Each answers empty text
// when the platform cannot tell.
class SpecialFolders {
public:
    // The file-system folder that the file manager's explorer window shows.
    // Gives up with empty text when that window does not answer in time.
    [[nodiscard]] std::wstring GetExplorerFolder() const;
    // The path of a CSIDL folder; empty when it has no file-system path.
    [[nodiscard]] std::wstring GetSpecialFolder(int specialfolder) const;
    [[nodiscard]] std::wstring GetSystemFolder() const;
    [[nodiscard]] std::wstring GetWindowsFolder() const;
    // Ends with a backslash, so that a file name can follow directly.
    [[nodiscard]] std::wstring GetTempFolder() const;
    [[nodiscard]] std::wstring GetPrinterDriverFolder() const;
    [[nodiscard]] std::wstring GetPrintProcessorFolder() const;
};
