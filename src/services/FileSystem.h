#pragma once

#include "platform/Win32.h"
#include "runtime/OleDate.h"
#include "runtime/Variant.h"
#include "services/FolderRow.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Stateless file system services: path rules, existence, attributes, file
// times, renames and the other item operations, and folder enumeration.
// Paths of any length work; failures are reported only through results.
class FileSystem {
public:
    // What undoing a change to an item puts back: its three times as the
    // file system keeps them (UTC) and its attributes.
    struct ItemStamp {
        FILETIME Created{};
        FILETIME Accessed{};
        FILETIME Written{};
        std::uint32_t Attributes = 0;
    };

    // Path and name rules; none of these touches the disk.
    [[nodiscard]] std::wstring AddFolderBackslash(const std::wstring& folder) const;
    [[nodiscard]] std::wstring RemoveFolderBackslash(const std::wstring& folder) const;
    [[nodiscard]] std::wstring AddFileQuotes(const std::wstring& file) const;
    [[nodiscard]] std::wstring AddFolderQuotes(const std::wstring& folder) const;
    [[nodiscard]] std::wstring RemoveFileQuotes(const std::wstring& file) const;
    [[nodiscard]] std::wstring RemoveFolderQuotes(const std::wstring& folder) const;
    [[nodiscard]] std::wstring AddFileExtension(const std::wstring& file, const std::wstring& ext) const;
    [[nodiscard]] std::wstring RemoveFileExtension(const std::wstring& file) const;
    [[nodiscard]] std::wstring ExtractFileExtension(const std::wstring& file) const;
    [[nodiscard]] bool IsFileExtension(const std::wstring& file, const std::wstring& ext) const;
    [[nodiscard]] std::wstring ExtractFileTitle(const std::wstring& file) const;
    [[nodiscard]] std::wstring ExtractFolderTitle(const std::wstring& folder) const;
    [[nodiscard]] std::wstring ExtractFolder(const std::wstring& folder) const;
    [[nodiscard]] std::wstring ExtractDrive(const std::wstring& file) const;
    [[nodiscard]] std::wstring ExpandFolder(const std::wstring& folder) const;

    // Existence.
    [[nodiscard]] bool IsFile(const std::wstring& file) const;
    [[nodiscard]] bool IsFolder(const std::wstring& folder) const;

    // Attributes: -1 when the item does not exist or cannot be reached.
    [[nodiscard]] std::int32_t GetFileAttributes(const std::wstring& file) const;
    [[nodiscard]] std::int32_t GetFolderAttributes(const std::wstring& folder) const;
    void SetFileAttributes(const std::wstring& file, std::int32_t attr) const;
    void SetFolderAttributes(const std::wstring& folder, std::int32_t attr) const;

    // The last-write moment as regional text ("7-12-2026 14:03:05"), empty
    // when it cannot be read.
    [[nodiscard]] Variant GetFileDateTime(const std::wstring& file) const;
    [[nodiscard]] Variant GetFolderDateTime(const std::wstring& folder) const;
    // The last-write moment of a file or folder as a local date, none when it
    // cannot be read; unlike the text it keeps the century.
    [[nodiscard]] std::optional<OleDate> GetModifiedMoment(const std::wstring& path) const;
    // The row of the item `name` of a folder (`prefix` ends in a backslash),
    // read in one look at the item. Its moment and attributes stay unknown
    // when the item cannot be reached or is no longer of the kind it was
    // listed as.
    [[nodiscard]] FolderRow ReadFolderRow(const std::wstring& prefix, std::wstring name, bool isFolder) const;
    // Sets creation, last-access and last-write time to a local moment given
    // as a date or as text that reads as one; raises TypeMismatchError when
    // it is neither.
    bool SetFileDateTime(const std::wstring& file, const Variant& datetime) const;
    bool SetFolderDateTime(const std::wstring& folder, const Variant& datetime) const;
    // An item's stamp in one look; none when it cannot be reached.
    [[nodiscard]] std::optional<ItemStamp> GetItemStamp(const std::wstring& path) const;
    // Gives a file or folder the three times of a stamp (its attributes are
    // left alone); a read-only item is refused, as by SetFileDateTime.
    bool SetItemTimes(const std::wstring& path, const ItemStamp& stamp) const;
    // The times to give an item, as the file system keeps them (UTC); a
    // missing one stays as it is.
    struct TimesChange {
        std::optional<FILETIME> Created;
        std::optional<FILETIME> Accessed;
        std::optional<FILETIME> Written;
    };
    // Refuses a read-only item, as SetFileDateTime does.
    bool ChangeItemTimes(const std::wstring& path, const TimesChange& change) const;
    // A local moment as the file system keeps it, by the zone's rules of
    // that moment's year; none before 1601 or when the zone is unknown.
    [[nodiscard]] std::optional<FILETIME> UniversalTime(const SYSTEMTIME& local) const;
    // The other way round; none when the zone is unknown.
    [[nodiscard]] std::optional<SYSTEMTIME> LocalTime(const FILETIME& universal) const;

    // The size in bytes, -1 when the file cannot be opened.
    [[nodiscard]] std::int64_t GetFileSize(const std::wstring& file) const;

    // True only when the item carries the requested name on disk afterwards.
    bool RenameFile(const std::wstring& oldfile, const std::wstring& newfile) const;
    bool RenameFolder(const std::wstring& oldfolder, const std::wstring& newfolder) const;
    // The same for a file or a folder, telling where the item is afterwards:
    // `newpath` after success, else normally `oldpath`. A case-only rename
    // that failed half-way and could not be undone leaves the item under a
    // temporary name in its folder. A case-only rename is refused, changing
    // nothing, while another entry carries the new spelling already (as one
    // can in a case-sensitive folder).
    bool RenameItem(const std::wstring& oldpath, const std::wstring& newpath, std::wstring& currentpath) const;
    bool CopyFile(const std::wstring& sourcefile, const std::wstring& destinationfile) const;
    bool CreateFolder(const std::wstring& folder) const;
    bool RemoveFile(const std::wstring& file, bool IgnoreReadonly) const;
    bool RemoveFolder(const std::wstring& folder, bool IgnoreReadonly) const;

    // Enumeration. Every name is a full path: the folder, one backslash, the
    // entry's name. Items sharing a bit with `excludeattr` are left out;
    // folders whose name begins with "." are never listed. The plain forms
    // reset the list; the recursive forms append to it and never follow a
    // link out of the tree, though they list the link itself.
    void EnumerateFiles(const std::wstring& startfolder, std::int32_t excludeattr, std::int32_t& numberfiles,
        std::vector<std::wstring>& files, const std::wstring& pattern) const;
    void EnumerateFolders(const std::wstring& startfolder, std::int32_t excludeattr, std::int32_t& numberfolders,
        std::vector<std::wstring>& folders) const;
    // The two above in one directory search, which halves the time a big
    // folder takes.
    void EnumerateFoldersAndFiles(const std::wstring& startfolder, std::int32_t excludeattr,
        std::vector<std::wstring>& folders, std::vector<std::wstring>& files) const;
    // Post-order: the files of the deepest folders first, those of
    // `startfolder` itself last.
    void EnumerateRecursiveFiles(const std::wstring& startfolder, std::int32_t excludeattr, std::int32_t& numberfiles,
        std::vector<std::wstring>& files, const std::wstring& pattern) const;
    // Pre-order: each folder before the folders below it.
    void EnumerateRecursiveFolders(const std::wstring& startfolder, std::int32_t excludeattr,
        std::int32_t& numberfolders, std::vector<std::wstring>& folders) const;
    // Whether the recursive forms descend into a folder: not into one that
    // leads elsewhere (a symbolic link, junction or mount point), but into
    // any other reparse point, such as a cloud placeholder or a
    // deduplicated folder, as into a plain folder.
    [[nodiscard]] static bool IsWalkedInto(std::uint32_t attributes, std::uint32_t reparsetag);
    // The full path of a name found directly in `startfolder`, or empty text.
    [[nodiscard]] std::wstring SearchFile(const std::wstring& startfolder, const std::wstring& file) const;
    [[nodiscard]] std::wstring SearchFolder(const std::wstring& startfolder, const std::wstring& folder) const;

    // The process's current folder.
    bool ChangeFolder(const std::wstring& folder) const;
    [[nodiscard]] std::wstring GetCurrentFolder() const;
};
