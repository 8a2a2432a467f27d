#include "dialogs/CommonDialogs.h"

#include "dialogs/ModuleCommonDialogs.h"
#include "platform/Boundary.h"
#include "platform/Handles.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <cwchar>
#include <optional>
#include <vector>

namespace {

// The longest path the platform accepts, and room for a long multiple
// selection of the open dialog, which cannot be asked again when it overflows.
constexpr size_t LongestPath = 32768;
constexpr size_t MultipleSelectionCapacity = 1 << 20;

constexpr DWORD OpenFlags = OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST | OFN_NODEREFERENCELINKS;
constexpr DWORD MultipleSelectionFlags = OFN_EXPLORER | OFN_ALLOWMULTISELECT;
// A file to save to need not exist yet.
constexpr DWORD SaveFlags = OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_NODEREFERENCELINKS;

constexpr size_t CustomColorCount = 16;
constexpr LONG BoldWeight = 700;
constexpr LONG NormalWeight = 400;
constexpr DWORD PrinterFields =
    DM_ORIENTATION | DM_PAPERSIZE | DM_COPIES | DM_DEFAULTSOURCE | DM_PRINTQUALITY | DM_DUPLEX;

// Dialog requests take no text as "use the platform's default".
const wchar_t* TextOrNull(const std::wstring& text)
{
    return text.empty() ? nullptr : text.c_str();
}

std::wstring UpToNul(const wchar_t* text)
{
    return text != nullptr ? std::wstring(text) : std::wstring();
}

template <size_t Size>
void CopyTruncated(const std::wstring& text, wchar_t (&target)[Size])
{
    const size_t length = std::min(text.size(), Size - 1);
    std::copy_n(text.c_str(), length, target);
    target[length] = L'\0';
}

ComInterface<IShellFolder> DesktopFolder()
{
    ComInterface<IShellFolder> desktop;
    if (FAILED(::SHGetDesktopFolder(desktop.Put()))) {
        // A failed call may leave anything in the slot; it is no folder to release.
        desktop.Release();
    }
    return desktop;
}

// No item list for an empty or missing folder: the browser then opens on
// the shell's own choice.
Pidl ItemListOf(IShellFolder& desktop, HWND owner, const std::wstring& folder)
{
    if (folder.empty()) {
        return {};
    }
    std::wstring name = folder;
    // Parsed from the desktop, a relative list is an absolute one.
    Pidl list;
    if (FAILED(desktop.ParseDisplayName(owner, nullptr, name.data(), nullptr, list.Put(), nullptr))) {
        // Not every shell clears the list when it fails; what it left is not ours to free.
        list.Release();
    }
    return list;
}

// Empty for an item that is not in the file system.
std::wstring FileSystemPathOf(const Pidl& list)
{
    PWSTR path = nullptr;
    if (FAILED(::SHGetNameFromIDList(list.Get(), SIGDN_FILESYSPATH, &path))) {
        return {};
    }
    const CoTaskMem owner(path);
    return UpToNul(path);
}

std::wstring VolumeRootOf(const std::wstring& path)
{
    // The root is never longer than the full path and a closing backslash.
    std::wstring root(std::max<size_t>(path.size(), MAX_PATH) + 2, L'\0');
    if (!::GetVolumePathNameW(path.c_str(), root.data(), static_cast<DWORD>(root.size()))) {
        return {};
    }
    return UpToNul(root.c_str());
}

// Asks the volume that holds the path, not the path's first characters, so
// that a folder on a share (\\server\share\...) or below a mounted volume is
// judged by its own volume.
bool IsVolumeReadable(const std::wstring& path)
{
    const std::wstring root = VolumeRootOf(path);
    return !root.empty() &&
        ::GetVolumeInformationW(root.c_str(), nullptr, 0, nullptr, nullptr, nullptr, nullptr, 0) != FALSE;
}

// "|" separates the pairs for the caller; the dialog wants NULs and a final
// empty entry.
std::wstring FilterList(const std::wstring& filter)
{
    if (filter.empty()) {
        return {};
    }
    std::wstring list = filter;
    std::replace(list.begin(), list.end(), L'|', L'\0');
    if (list.back() != L'\0') {
        list.push_back(L'\0');
    }
    return list;
}

std::wstring FileNameBuffer(const std::wstring& startFile, size_t capacity)
{
    std::wstring buffer(std::max(capacity, startFile.size() + 1), L'\0');
    std::copy(startFile.begin(), startFile.end(), buffer.begin());
    return buffer;
}

// One path, or with a multiple selection the folder and the names, each
// closed by a NUL and the list by a second one.
std::wstring ChosenFiles(const std::wstring& buffer)
{
    const size_t end = buffer.find(std::wstring(2, L'\0'));
    return buffer.substr(0, end);
}

std::array<COLORREF, CustomColorCount> ColorsFromText(const std::wstring& text)
{
    std::array<unsigned char, CustomColorCount * sizeof(COLORREF)> bytes{};
    const size_t count = std::min(text.size(), bytes.size());
    for (size_t i = 0; i < count; ++i) {
        bytes[i] = static_cast<unsigned char>(text[i] & 0xFF);
    }
    std::array<COLORREF, CustomColorCount> colors{};
    std::memcpy(colors.data(), bytes.data(), bytes.size());
    return colors;
}

std::wstring TextFromColors(const std::array<COLORREF, CustomColorCount>& colors)
{
    std::array<unsigned char, CustomColorCount * sizeof(COLORREF)> bytes{};
    std::memcpy(bytes.data(), colors.data(), bytes.size());
    return std::wstring(bytes.begin(), bytes.end());
}

LONG PointsToPixels(std::int32_t points, HWND window)
{
    const WindowDc screen(window);
    return ::MulDiv(points, ::GetDeviceCaps(screen.Get(), LOGPIXELSY), 72);
}

void TakeDeviceMode(const DEVMODEW& mode, CommonDialogs::PrinterSettings& settings)
{
    settings.copies = mode.dmCopies;
    settings.duplex = mode.dmDuplex;
    settings.orientation = mode.dmOrientation;
    settings.paperSize = mode.dmPaperSize;
    settings.paperSource = mode.dmDefaultSource;
    settings.printQuality = mode.dmPrintQuality;
}

std::wstring DefaultPrinterName()
{
    DWORD size = 0;
    std::wstring name;
    while (!::GetDefaultPrinterW(name.empty() ? nullptr : name.data(), &size)) {
        if (::GetLastError() != ERROR_INSUFFICIENT_BUFFER || size <= name.size()) {
            return {};
        }
        name.assign(size, L'\0');
    }
    return UpToNul(name.c_str());
}

std::optional<CommonDialogs::PrinterSettings> ReadPrinterSettings(const std::wstring& printerName)
{
    std::wstring name = printerName;
    HANDLE opened = nullptr;
    if (!::OpenPrinterW(name.data(), &opened, nullptr)) {
        return std::nullopt;
    }
    const PrinterHandle printer(opened);
    DWORD needed = 0;
    ::GetPrinterW(printer.Get(), 2, nullptr, 0, &needed);
    if (needed == 0) {
        return std::nullopt;
    }
    // Whole records keep the answer aligned for the record at its start.
    std::vector<PRINTER_INFO_2W> buffer((needed + sizeof(PRINTER_INFO_2W) - 1) / sizeof(PRINTER_INFO_2W));
    if (!::GetPrinterW(printer.Get(), 2, reinterpret_cast<BYTE*>(buffer.data()),
            static_cast<DWORD>(buffer.size() * sizeof(PRINTER_INFO_2W)), &needed)) {
        return std::nullopt;
    }
    const PRINTER_INFO_2W& info = buffer.front();
    CommonDialogs::PrinterSettings settings;
    settings.printerName = UpToNul(info.pPrinterName);
    settings.port = UpToNul(info.pPortName);
    settings.printerType = UpToNul(info.pDriverName);
    if (info.pDevMode != nullptr) {
        TakeDeviceMode(*info.pDevMode, settings);
    }
    return settings;
}

GlobalMemory DeviceModeRecord(const CommonDialogs::PrinterSettings& settings)
{
    GlobalMemory memory(::GlobalAlloc(GHND, sizeof(DEVMODEW)));
    const LockedGlobal<DEVMODEW> mode(memory.Get());
    if (!mode) {
        return {};
    }
    mode->dmSize = sizeof(DEVMODEW);
    CopyTruncated(settings.printerName, mode->dmDeviceName);
    mode->dmFields = PrinterFields;
    mode->dmCopies = settings.copies;
    mode->dmDuplex = static_cast<short>(settings.duplex);
    mode->dmOrientation = static_cast<short>(settings.orientation);
    mode->dmPaperSize = static_cast<short>(settings.paperSize);
    mode->dmDefaultSource = static_cast<short>(settings.paperSource);
    mode->dmPrintQuality = static_cast<short>(settings.printQuality);
    return memory;
}

// The record is followed by its three texts, each closed by a NUL; its
// offsets count characters from the record's start.
GlobalMemory DeviceNamesRecord(const CommonDialogs::PrinterSettings& settings)
{
    constexpr size_t header = (sizeof(DEVNAMES) + sizeof(wchar_t) - 1) / sizeof(wchar_t);
    const std::wstring texts = settings.printerType + L'\0' + settings.printerName + L'\0' + settings.port + L'\0';
    const size_t length = header + texts.size();
    if (length > 0xFFFF) {
        return {};
    }
    GlobalMemory memory(::GlobalAlloc(GHND, length * sizeof(wchar_t)));
    const LockedGlobal<wchar_t> record(memory.Get());
    if (!record) {
        return {};
    }
    auto& names = *reinterpret_cast<DEVNAMES*>(record.Get());
    names.wDriverOffset = static_cast<WORD>(header);
    names.wDeviceOffset = static_cast<WORD>(names.wDriverOffset + settings.printerType.size() + 1);
    names.wOutputOffset = static_cast<WORD>(names.wDeviceOffset + settings.printerName.size() + 1);
    std::copy(texts.begin(), texts.end(), record.Get() + header);
    return memory;
}

std::optional<CommonDialogs::PrinterSettings> ChosenPrinterSettings(HGLOBAL deviceMode, HGLOBAL deviceNames)
{
    const LockedGlobal<DEVMODEW> mode(deviceMode);
    const LockedGlobal<wchar_t> record(deviceNames);
    if (!mode || !record) {
        return std::nullopt;
    }
    const auto& names = *reinterpret_cast<const DEVNAMES*>(record.Get());
    CommonDialogs::PrinterSettings settings;
    settings.printerType = record.Get() + names.wDriverOffset;
    settings.printerName = record.Get() + names.wDeviceOffset;
    settings.port = record.Get() + names.wOutputOffset;
    TakeDeviceMode(*mode.Get(), settings);
    return settings;
}

// The dialog may hand back other records than it was given, having freed
// ours; whatever it leaves in the request is ours to free.
void AdoptReturned(GlobalMemory& owner, HGLOBAL returned)
{
    if (owner.Get() != returned) {
        owner.Release();
        owner.Reset(returned);
    }
}

} // namespace

CommonDialogs::CommonDialogs()
{
    const std::wstring printerName = DefaultPrinterName();
    if (printerName.empty()) {
        return;
    }
    if (auto settings = ReadPrinterSettings(printerName)) {
        printer_ = std::move(*settings);
    }
}

std::int16_t CommonDialogs::ShowBrowse() noexcept
{
    return CallGuarded(BrowseCancelled, [this] { return BrowseForFolder(); });
}

std::int16_t CommonDialogs::BrowseForFolder()
{
    const ComInterface<IShellFolder> desktop = DesktopFolder();
    if (!desktop) {
        return BrowseCancelled;
    }
    const Pidl initial = ItemListOf(*desktop.Get(), ownerHwnd_, folderName_);

    BROWSEINFOW request{};
    request.hwndOwner = ownerHwnd_;
    request.lpszTitle = TextOrNull(title_);
    request.ulFlags = BIF_RETURNONLYFSDIRS;
    request.lpfn = BrowseCallbackProc;
    request.lParam = reinterpret_cast<LPARAM>(initial.Get());
    const Pidl chosen(::SHBrowseForFolderW(&request));
    if (!chosen) {
        return BrowseCancelled;
    }

    const std::wstring path = FileSystemPathOf(chosen);
    if (path.empty()) {
        return BrowseCancelled;
    }
    if (!IsVolumeReadable(path)) {
        return DriveUnreadable;
    }
    folderName_ = path;
    return FolderChosen;
}

bool CommonDialogs::ShowOpen()
{
    return multiSelect_
        ? ShowFileDialog(::GetOpenFileNameW, OpenFlags | MultipleSelectionFlags, MultipleSelectionCapacity)
        : ShowFileDialog(::GetOpenFileNameW, OpenFlags, LongestPath);
}

bool CommonDialogs::ShowSave()
{
    return ShowFileDialog(::GetSaveFileNameW, SaveFlags, LongestPath);
}

bool CommonDialogs::ShowFileDialog(BOOL(APIENTRY* show)(LPOPENFILENAMEW), DWORD flags, size_t capacity)
{
    const std::wstring filter = FilterList(filter_);
    std::wstring file = FileNameBuffer(fileName_, capacity);
    std::wstring fileTitle(LongestPath, L'\0');

    OPENFILENAMEW request{};
    request.lStructSize = sizeof(request);
    request.hwndOwner = ownerHwnd_;
    request.lpstrFilter = TextOrNull(filter);
    request.nFilterIndex = filterIndex_;
    request.lpstrFile = file.data();
    request.nMaxFile = static_cast<DWORD>(file.size());
    request.lpstrFileTitle = fileTitle.data();
    request.nMaxFileTitle = static_cast<DWORD>(fileTitle.size());
    request.lpstrInitialDir = TextOrNull(folderName_);
    request.lpstrTitle = TextOrNull(title_);
    request.Flags = flags;
    request.lpstrDefExt = TextOrNull(fileExtension_);
    if (!show(&request)) {
        return false;
    }
    fileName_ = ChosenFiles(file);
    fileTitle_ = UpToNul(fileTitle.c_str());
    filterIndex_ = static_cast<std::uint8_t>(request.nFilterIndex);
    return true;
}

bool CommonDialogs::ShowColor()
{
    std::array<COLORREF, CustomColorCount> customColors = ColorsFromText(customColors_);
    CHOOSECOLORW request{};
    request.lStructSize = sizeof(request);
    request.hwndOwner = ownerHwnd_;
    request.rgbResult = color_;
    request.lpCustColors = customColors.data();
    request.Flags = CC_RGBINIT | CC_FULLOPEN | CC_ANYCOLOR;
    if (!::ChooseColorW(&request)) {
        return false;
    }
    color_ = request.rgbResult;
    customColors_ = TextFromColors(customColors);
    return true;
}

bool CommonDialogs::ShowFont()
{
    LOGFONTW font{};
    // A negative height asks for the character height, which is what a point size measures.
    font.lfHeight = -PointsToPixels(fontSize_, ownerHwnd_);
    font.lfWeight = fontBold_ ? BoldWeight : NormalWeight;
    font.lfItalic = fontItalic_;
    font.lfUnderline = fontUnderline_;
    font.lfStrikeOut = fontStrikeout_;
    font.lfCharSet = DEFAULT_CHARSET;
    CopyTruncated(fontName_, font.lfFaceName);

    CHOOSEFONTW request{};
    request.lStructSize = sizeof(request);
    request.hwndOwner = ownerHwnd_;
    request.lpLogFont = &font;
    request.Flags = CF_SCREENFONTS | CF_INITTOLOGFONTSTRUCT | CF_EFFECTS;
    request.rgbColors = color_;
    request.nFontType = SCREEN_FONTTYPE;
    if (!::ChooseFontW(&request)) {
        return false;
    }
    fontName_ = UpToNul(font.lfFaceName);
    // The dialog reports tenths of a point.
    fontSize_ = (request.iPointSize + 5) / 10;
    fontBold_ = font.lfWeight >= BoldWeight;
    fontItalic_ = font.lfItalic != 0;
    fontUnderline_ = font.lfUnderline != 0;
    fontStrikeout_ = font.lfStrikeOut != 0;
    color_ = request.rgbColors;
    return true;
}

bool CommonDialogs::ShowPrint()
{
    // Without a printer of our own the dialog starts from the default one.
    const bool known = !printer_.printerName.empty();
    GlobalMemory deviceMode = known ? DeviceModeRecord(printer_) : GlobalMemory();
    GlobalMemory deviceNames = known ? DeviceNamesRecord(printer_) : GlobalMemory();

    PRINTDLGW request{};
    request.lStructSize = sizeof(request);
    request.hwndOwner = ownerHwnd_;
    request.hDevMode = deviceMode.Get();
    request.hDevNames = deviceNames.Get();
    request.Flags = PD_PRINTSETUP | PD_RETURNDC;
    const bool confirmed = ::PrintDlgW(&request) != FALSE;
    AdoptReturned(deviceMode, request.hDevMode);
    AdoptReturned(deviceNames, request.hDevNames);
    // Nothing here draws on the printer context the dialog hands back.
    const MemoryDc printerDc(request.hDC);
    if (!confirmed) {
        return false;
    }
    if (auto settings = ChosenPrinterSettings(deviceMode.Get(), deviceNames.Get())) {
        printer_ = std::move(*settings);
    }
    return true;
}
