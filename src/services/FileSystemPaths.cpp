#include "services/FileSystem.h"

#include "services/FileSystemDetail.h"

#include <optional>

using namespace FileSystemDetail;

namespace FileSystemDetail {

bool IsRoot(const std::wstring& path)
{
    if (path == L"\\") {
        return true;
    }
    if (path.size() >= 2 && path[0] == Backslash && path[1] == Backslash) {
        const auto inner = path.substr(2);
        const size_t first = inner.find(Backslash);
        return first == std::wstring::npos || inner.find(Backslash, first + 1) == std::wstring::npos;
    }
    return path.size() == 3 && path[1] == L':' && path[2] == Backslash;
}

std::optional<size_t> FileSpecStart(const std::wstring& path)
{
    size_t position = 0;
    size_t fileSpec = 0;
    for (int leading = 0; leading < 2 && position < path.size() && path[position] == Backslash; ++leading) {
        fileSpec = ++position;
    }
    while (position < path.size()) {
        if (path[position] == Backslash) {
            fileSpec = position;
        } else if (path[position] == L':') {
            // The drive's own backslash belongs to the parent: C:\ stays whole.
            fileSpec = ++position;
            if (position < path.size() && path[position] == Backslash) {
                ++fileSpec;
            }
        }
        ++position;
    }
    if (fileSpec >= path.size()) {
        return std::nullopt;
    }
    return fileSpec;
}

std::wstring RootOf(const std::wstring& path)
{
    std::wstring root = path;
    while (!IsRoot(root)) {
        const auto start = FileSpecStart(root);
        if (!start) {
            return {};
        }
        root.resize(*start);
    }
    return root;
}

} // namespace FileSystemDetail

namespace {

bool EndsWithBackslash(const std::wstring& text)
{
    return !text.empty() && text.back() == Backslash;
}

// Where the last component starts: after the last "\", "/" or ":" that is
// followed by more text not starting with a separator.
size_t LastComponentStart(const std::wstring& path)
{
    size_t start = 0;
    for (size_t i = 0; i + 1 < path.size(); ++i) {
        const wchar_t c = path[i];
        const wchar_t next = path[i + 1];
        if ((c == Backslash || c == L'/' || c == L':') && next != Backslash && next != L'/') {
            start = i + 1;
        }
    }
    return start;
}

// Where the extension starts: the last "." not followed by a "\" or a space.
std::optional<size_t> ExtensionStart(const std::wstring& path)
{
    std::optional<size_t> start;
    for (size_t i = 0; i < path.size(); ++i) {
        if (path[i] == L'.') {
            start = i;
        } else if (path[i] == Backslash || path[i] == L' ') {
            start.reset();
        }
    }
    return start;
}

bool SameCharacterIgnoringCase(wchar_t a, wchar_t b)
{
    return ::CompareStringOrdinal(&a, 1, &b, 1, TRUE) == CSTR_EQUAL;
}

// Wildcard match over the whole text, letter case ignored; "*" is any run
// of characters, "?" any one character.
bool MatchesWildcard(const std::wstring& text, const std::wstring& pattern)
{
    size_t t = 0;
    size_t p = 0;
    std::optional<size_t> starAt;
    size_t starText = 0;
    while (t < text.size()) {
        if (p < pattern.size() &&
            (pattern[p] == L'?' || (pattern[p] != L'*' && SameCharacterIgnoringCase(pattern[p], text[t])))) {
            ++t;
            ++p;
        } else if (p < pattern.size() && pattern[p] == L'*') {
            starAt = p++;
            starText = t;
        } else if (starAt) {
            p = *starAt + 1;
            t = ++starText;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == L'*') {
        ++p;
    }
    return p == pattern.size();
}

} // namespace

std::wstring FileSystem::AddFolderBackslash(const std::wstring& folder) const
{
    return folder.empty() || EndsWithBackslash(folder) ? folder : folder + Backslash;
}

std::wstring FileSystem::RemoveFolderBackslash(const std::wstring& folder) const
{
    return EndsWithBackslash(folder) && !IsRoot(folder) ? folder.substr(0, folder.size() - 1) : folder;
}

std::wstring FileSystem::AddFileQuotes(const std::wstring& file) const
{
    return file.find(L' ') == std::wstring::npos ? file : L"\"" + file + L"\"";
}

std::wstring FileSystem::AddFolderQuotes(const std::wstring& folder) const
{
    return AddFileQuotes(folder);
}

std::wstring FileSystem::RemoveFileQuotes(const std::wstring& file) const
{
    const bool quoted = file.size() >= 2 && file.front() == L'"' && file.back() == L'"';
    return quoted ? file.substr(1, file.size() - 2) : file;
}

std::wstring FileSystem::RemoveFolderQuotes(const std::wstring& folder) const
{
    return RemoveFileQuotes(folder);
}

std::wstring FileSystem::AddFileExtension(const std::wstring& file, const std::wstring& ext) const
{
    return ExtensionStart(file) ? file : file + ext;
}

std::wstring FileSystem::RemoveFileExtension(const std::wstring& file) const
{
    const auto start = ExtensionStart(file);
    return start ? file.substr(0, *start) : file;
}

std::wstring FileSystem::ExtractFileExtension(const std::wstring& file) const
{
    const auto start = ExtensionStart(file);
    return start ? file.substr(*start) : std::wstring();
}

bool FileSystem::IsFileExtension(const std::wstring& file, const std::wstring& ext) const
{
    return MatchesWildcard(file, L"*." + ext);
}

std::wstring FileSystem::ExtractFileTitle(const std::wstring& file) const
{
    return file.substr(LastComponentStart(file));
}

std::wstring FileSystem::ExtractFolderTitle(const std::wstring& folder) const
{
    return ExtractFileTitle(folder);
}

std::wstring FileSystem::ExtractFolder(const std::wstring& folder) const
{
    const auto start = FileSpecStart(folder);
    return start ? folder.substr(0, *start) : folder;
}

std::wstring FileSystem::ExtractDrive(const std::wstring& file) const
{
    return RootOf(file);
}

std::wstring FileSystem::ExpandFolder(const std::wstring& folder) const
{
    // The call counts the terminating NUL in its result, unlike most others.
    std::wstring buffer(MAX_PATH, L'\0');
    for (;;) {
        const DWORD needed =
            ::ExpandEnvironmentStringsW(folder.c_str(), buffer.data(), static_cast<DWORD>(buffer.size()));
        if (needed < 2) {
            return {};
        }
        if (needed <= buffer.size()) {
            buffer.resize(needed - 1);
            return buffer;
        }
        buffer.assign(needed, L'\0');
    }
}
