#pragma once

#include "platform/Win32.h"

#include <cstdint>
#include <string>

// The platform's standard dialogs behind one object with properties. Each
// Show... fills the dialog's request from the properties, shows it modally
// over OwnerHwnd and writes the user's choice back only when the user
// confirms. They keep no state of the program's: the owner sets what a
// dialog opens on and takes what the user chose.
class CommonDialogs {
public:
    // Results of ShowBrowse.
    static constexpr std::int16_t FolderChosen = 0;
    static constexpr std::int16_t BrowseCancelled = -1;
    static constexpr std::int16_t DriveUnreadable = -2;

    // Takes the printer properties from the default printer; without one, or
    // when it cannot be read, they stay 0 and empty.
    CommonDialogs();

    // FolderChosen when the user picked a file system folder, which is then
    // FolderName; BrowseCancelled when the user cancelled or the choice has
    // no file system path; DriveUnreadable when the volume holding the choice
    // cannot be read (no medium, not ready). FolderName changes only with
    // FolderChosen. The dialog opens on FolderName and shows Title as its text.
    std::int16_t ShowBrowse() noexcept;
    bool ShowOpen();
    bool ShowSave();
    bool ShowColor();
    bool ShowFont();
    bool ShowPrint();

    [[nodiscard]] const std::wstring& FolderName() const noexcept { return folderName_; }
    void SetFolderName(const std::wstring& value) { folderName_ = value; }
    [[nodiscard]] const std::wstring& Title() const noexcept { return title_; }
    void SetTitle(const std::wstring& value) { title_ = value; }
    [[nodiscard]] HWND OwnerHwnd() const noexcept { return ownerHwnd_; }
    void SetOwnerHwnd(HWND value) noexcept { ownerHwnd_ = value; }

    // With MultiSelect and more than one file chosen, FileName holds the
    // folder and then each name, separated by NUL characters.
    [[nodiscard]] const std::wstring& FileName() const noexcept { return fileName_; }
    void SetFileName(const std::wstring& value) { fileName_ = value; }
    [[nodiscard]] const std::wstring& FileTitle() const noexcept { return fileTitle_; }
    // The extension the save dialog appends when the user types none.
    [[nodiscard]] const std::wstring& FileExtension() const noexcept { return fileExtension_; }
    void SetFileExtension(const std::wstring& value) { fileExtension_ = value; }
    // Pairs of description and pattern, separated by "|": "Tekst|*.txt|Alles|*.*".
    [[nodiscard]] const std::wstring& Filter() const noexcept { return filter_; }
    void SetFilter(const std::wstring& value) { filter_ = value; }
    // 1-based, into the pairs of Filter.
    [[nodiscard]] std::uint8_t FilterIndex() const noexcept { return filterIndex_; }
    void SetFilterIndex(std::uint8_t value) noexcept { filterIndex_ = value; }
    [[nodiscard]] bool MultiSelect() const noexcept { return multiSelect_; }
    void SetMultiSelect(bool value) noexcept { multiSelect_ = value; }

    [[nodiscard]] COLORREF Color() const noexcept { return color_; }
    void SetColor(COLORREF value) noexcept { color_ = value; }
    // The colour dialog's 16 custom colours as 64 characters, one per byte of
    // the 16 RGB values in memory order.
    [[nodiscard]] const std::wstring& CustomColors() const noexcept { return customColors_; }
    void SetCustomColors(const std::wstring& value) { customColors_ = value; }

    [[nodiscard]] const std::wstring& FontName() const noexcept { return fontName_; }
    void SetFontName(const std::wstring& value) { fontName_ = value; }
    // In points.
    [[nodiscard]] std::int32_t FontSize() const noexcept { return fontSize_; }
    void SetFontSize(std::int32_t value) noexcept { fontSize_ = value; }
    [[nodiscard]] bool FontBold() const noexcept { return fontBold_; }
    void SetFontBold(bool value) noexcept { fontBold_ = value; }
    [[nodiscard]] bool FontItalic() const noexcept { return fontItalic_; }
    void SetFontItalic(bool value) noexcept { fontItalic_ = value; }
    [[nodiscard]] bool FontUnderline() const noexcept { return fontUnderline_; }
    void SetFontUnderline(bool value) noexcept { fontUnderline_ = value; }
    [[nodiscard]] bool FontStrikeout() const noexcept { return fontStrikeout_; }
    void SetFontStrikeout(bool value) noexcept { fontStrikeout_ = value; }

    [[nodiscard]] std::int16_t Copies() const noexcept { return printer_.copies; }
    [[nodiscard]] std::int32_t Duplex() const noexcept { return printer_.duplex; }
    [[nodiscard]] std::int32_t Orientation() const noexcept { return printer_.orientation; }
    [[nodiscard]] std::int32_t PaperSize() const noexcept { return printer_.paperSize; }
    [[nodiscard]] std::int32_t PaperSource() const noexcept { return printer_.paperSource; }
    [[nodiscard]] std::int32_t PrintQuality() const noexcept { return printer_.printQuality; }
    [[nodiscard]] const std::wstring& PrinterName() const noexcept { return printer_.printerName; }
    [[nodiscard]] const std::wstring& Port() const noexcept { return printer_.port; }
    // The printer's driver name.
    [[nodiscard]] const std::wstring& PrinterType() const noexcept { return printer_.printerType; }

    // What the printer properties hold, read from a printer or a printer dialog.
    struct PrinterSettings {
        std::int16_t copies = 0;
        std::int32_t duplex = 0;
        std::int32_t orientation = 0;
        std::int32_t paperSize = 0;
        std::int32_t paperSource = 0;
        std::int32_t printQuality = 0;
        std::wstring printerName;
        std::wstring port;
        std::wstring printerType;
    };

private:
    std::int16_t BrowseForFolder();
    bool ShowFileDialog(BOOL(APIENTRY* show)(LPOPENFILENAMEW), DWORD flags, size_t capacity);

    std::wstring folderName_;
    std::wstring title_;
    HWND ownerHwnd_ = nullptr;
    std::wstring fileName_;
    std::wstring fileTitle_;
    std::wstring fileExtension_;
    std::wstring filter_;
    std::uint8_t filterIndex_ = 1;
    bool multiSelect_ = false;
    COLORREF color_ = 0;
    std::wstring customColors_ = std::wstring(64, L'\0');
    std::wstring fontName_ = L"MS Sans Serif";
    std::int32_t fontSize_ = 8;
    bool fontBold_ = false;
    bool fontItalic_ = false;
    bool fontUnderline_ = false;
    bool fontStrikeout_ = false;
    PrinterSettings printer_;
};
