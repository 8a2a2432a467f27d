#pragma once

#include <functional>
#include <string>

// Steps of the file system services that a test can watch and break: each
// announces the path it is about to work on, and a listener that answers
// false makes it fail as the platform would, without the platform being
// asked. Nothing listens outside tests.
enum class FileStep {
    // A case-only rename through a temporary name: there, on to the new
    // name, and back to the old name when the second move failed.
    MoveToTemporaryName,
    MoveToNewName,
    MoveBackToOldName,
    // GetFileAttributes / GetFolderAttributes.
    ReadAttributes,
    // SetFileDateTime / SetFolderDateTime.
    WriteTimes,
};

class FileStepSeam {
public:
    using Listener = std::function<bool(FileStep step, const std::wstring& path)>;

    // Listens for the object's lifetime; one listener at a time.
    explicit FileStepSeam(Listener listener) noexcept;
    ~FileStepSeam();
    FileStepSeam(const FileStepSeam&) = delete;
    FileStepSeam& operator=(const FileStepSeam&) = delete;

    // False when a listener makes the step fail.
    [[nodiscard]] static bool Allows(FileStep step, const std::wstring& path);

private:
    Listener listener_;
};
