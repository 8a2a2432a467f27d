#pragma once

#include "platform/Handles.h"
#include "services/FileSystem.h"

#include <string>

// The processing log: a plain UTF-8 text file, with a byte-order mark so
// that every editor reads it as such, a two-line header when it is new and
// one time-stamped line per message. Any name can be logged as it is. While open it is locked
// against other readers and writers.
class Logging {
public:
    // `Application` starts as the program's application title.
    Logging();

    [[nodiscard]] const std::wstring& Application() const noexcept { return application_; }
    void SetApplication(const std::wstring& application) { application_ = application; }
    [[nodiscard]] const std::wstring& FileName() const noexcept { return fileName_; }
    void SetFileName(const std::wstring& fileName) { fileName_ = fileName; }
    // The file already existed at the last Create.
    [[nodiscard]] bool Exists() const noexcept { return exists_; }

    // Deletes the file, even a read-only one.
    void Clear();
    // Opens the file for writing: a new file gets the header, an existing one
    // the delimiter at its end. False when it cannot be opened or one is open.
    bool Create(const std::wstring& logtitle, const std::wstring& delimiter);
    void WriteLine(const std::wstring& entry, const std::wstring& message);
    void Destroy();

private:
    void Write(const std::wstring& text);

    std::wstring application_;
    std::wstring fileName_;
    bool exists_ = false;
    FileHandle file_;
    FileSystem fileSystem_;
};
