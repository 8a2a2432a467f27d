#pragma once

#include "platform/Handles.h"
#include "platform/Win32.h"

#include <optional>
#include <string>

// What the FileSystem files share among themselves; not for other callers.
namespace FileSystemDetail {

constexpr wchar_t Backslash = L'\\';

// The root forms of the platform's path library: "\", "X:\", "\\server",
// "\\server\" and "\\server\share".
bool IsRoot(const std::wstring& path);
// Where the parent's text ends, or nullopt when the path has no component to
// remove. A leading "\" or "\\" and a "X:\" stay with the parent.
std::optional<size_t> FileSpecStart(const std::wstring& path);
// The root of a path (C:\, \\server\share), or empty text when it has none.
std::wstring RootOf(const std::wstring& path);

std::optional<WIN32_FILE_ATTRIBUTE_DATA> ReadAttributeData(const std::wstring& path);
bool IsDirectory(const WIN32_FILE_ATTRIBUTE_DATA& data);
bool IsLink(DWORD attributes);
// Opens the item itself, never the target of a link; `attributes` are the
// item's own, as just read. Some platforms (Wine) follow a link even when
// asked not to; such a handle is refused, because changing the item behind
// a link is never what the user chose.
FileHandle OpenItemItself(const std::wstring& path, DWORD attributes, DWORD access, DWORD flags);

} // namespace FileSystemDetail
