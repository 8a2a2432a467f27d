#pragma once

#include "engine/RunRules.h"
#include "registry/Registry.h"
#include "runtime/Variant.h"
#include "services/FileSystem.h"
#include "services/NumberEx.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The user's options, kept below HKEY_CURRENT_USER and read or written on
// every access: nothing is cached, so the registry is the only truth. A
// value that is missing, of the wrong type or out of range reads as the
// option's default; failed writes go unreported.
class Settings {
public:
    // The product's own key (AppEx).
    Settings();
    // Any other key below HKEY_CURRENT_USER, so that tests leave the user's
    // own options alone.
    explicit Settings(std::wstring registrykey);

    // The letter-case style 0 to 4; 0 for anything else.
    [[nodiscard]] std::uint8_t Conversion() const;
    void SetConversion(std::uint8_t value);

    // Stored as 1 or 0; any number other than 0 reads as true.
    [[nodiscard]] bool HiddenSystem() const;
    void SetHiddenSystem(bool value);
    [[nodiscard]] bool IgnoreReadonly() const;
    void SetIgnoreReadonly(bool value);
    [[nodiscard]] bool Log() const;
    void SetLog(bool value);
    [[nodiscard]] bool Modified() const;
    void SetModified(bool value);
    [[nodiscard]] bool Subfolders() const;
    void SetSubfolders(bool value);

    // The stored folder while it exists, else the program's own folder.
    [[nodiscard]] std::wstring LastFolder() const;
    void SetLastFolder(const std::wstring& value);

    // The stored date/time text; empty text when there is none.
    [[nodiscard]] Variant ShortcutDate() const;
    void SetShortcutDate(const Variant& value);

    // Where the window was last, in the platform's workspace coordinates,
    // and whether it was maximised; none until it was stored, or when the
    // stored size is not a size.
    struct WindowPlace {
        RECT Normal{};
        bool Maximized = false;
    };
    [[nodiscard]] std::optional<WindowPlace> Window() const;
    void SetWindow(const WindowPlace& place);

    // The list's column widths in pixels at 96 dpi, as far as they were
    // stored, up to the first that is missing or out of range.
    [[nodiscard]] std::vector<std::int32_t> ColumnWidths() const;
    void SetColumnWidths(const std::vector<std::int32_t>& widths);

    // The column the list is sorted by and in which direction; the name
    // column ascending until the user chose another.
    struct ListSort {
        std::int32_t Column = 0;
        bool Descending = false;
    };
    [[nodiscard]] ListSort Sort() const;
    void SetSort(const ListSort& sort);

    // The run's further rules ("Extension", "WordBreaks", "Times",
    // "TimeSource", "ShiftSeconds"); each value that is missing or out of
    // range reads as its default. A shift is kept in whole seconds within
    // the range of a stored number, about 68 years either way.
    [[nodiscard]] RunRules Rules() const;
    void SetRules(const RunRules& rules);

private:
    [[nodiscard]] std::wstring OptionsKey() const;
    [[nodiscard]] std::optional<std::int32_t> ReadNumber(const std::wstring& valuename) const;
    void WriteNumber(const std::wstring& valuename, std::int32_t value);
    [[nodiscard]] bool ReadOption(const std::wstring& valuename) const;
    void WriteOption(const std::wstring& valuename, bool value);
    [[nodiscard]] std::wstring ReadText(const std::wstring& key, const std::wstring& valuename) const;
    void WriteText(const std::wstring& key, const std::wstring& valuename, const std::wstring& value);

    std::wstring registryKey_;
    Registry registry_;
    NumberEx numberEx_;
    FileSystem fileSystem_;
};
