#pragma once

#include <set>
#include <string>

// A fresh folder under the user's temporary folder, removed with everything
// in it (read-only items included) when the object goes away. Tests never
// touch files outside such a folder.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    [[nodiscard]] const std::wstring& Path() const noexcept { return path_; }
    // Path() + "\" + relative.
    [[nodiscard]] std::wstring operator/(const std::wstring& relative) const;

    // Create an item (and any missing parent folders) below the folder and
    // return its full path.
    std::wstring MakeFile(const std::wstring& relative, const std::string& content = {}) const;
    std::wstring MakeFolder(const std::wstring& relative) const;

    // Helpers for any path, long paths included.
    static bool Exists(const std::wstring& path);
    // The names in a folder as the file system stores them, "." and ".." left out.
    static std::set<std::wstring> NamesIn(const std::wstring& folder);
    static std::string ReadAll(const std::wstring& path);
    static void RemoveTree(const std::wstring& path);
    // The spelling that reaches the platform past 260 characters.
    static std::wstring LongForm(const std::wstring& path);

private:
    std::wstring path_;
};

// A folder prepared by the test session with native tools (see
// scripts/test-session.sh), or empty text when the session made none.
std::wstring SessionFixture(const std::wstring& name);
