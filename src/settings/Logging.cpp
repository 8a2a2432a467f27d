#include "settings/Logging.h"

#include "platform/PathForm.h"
#include "platform/ProgramInfo.h"
#include "runtime/AnsiText.h"

#include <cwchar>

namespace {

constexpr wchar_t LineEnd[] = L"\r\n";
constexpr wchar_t ByteOrderMark[] = L"\uFEFF";

std::wstring LocaleText(LCTYPE item, const wchar_t* fallback)
{
    wchar_t buffer[16];
    return ::GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, item, buffer, 16) > 0 ? buffer : fallback;
}

// "dd/MM/yyyy hh:mm:ss" with the user's own date and time separators.
std::wstring TimeStamp()
{
    SYSTEMTIME now{};
    ::GetLocalTime(&now);
    const std::wstring date = LocaleText(LOCALE_SDATE, L"/");
    const std::wstring time = LocaleText(LOCALE_STIME, L":");
    wchar_t stamp[64];
    std::swprintf(stamp, 64, L"%02u%ls%02u%ls%04u %02u%ls%02u%ls%02u", now.wDay, date.c_str(), now.wMonth, date.c_str(),
        now.wYear, now.wHour, time.c_str(), now.wMinute, time.c_str(), now.wSecond);
    return stamp;
}

std::wstring MessageLine(const std::wstring& entry, const std::wstring& message)
{
    if (!entry.empty()) {
        return TimeStamp() + L"  " + entry + L": " + message + LineEnd;
    }
    if (!message.empty()) {
        return TimeStamp() + L"  " + message + LineEnd;
    }
    return LineEnd;
}

FileHandle OpenForWriting(const std::wstring& path, DWORD disposition)
{
    return FileHandle(::CreateFileW(
        PathForm::Extended(path).c_str(), GENERIC_WRITE, 0, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr));
}

} // namespace

Logging::Logging() : application_(ProgramInfo().ApplicationTitle())
{
}

void Logging::Clear()
{
    exists_ = false;
    fileSystem_.RemoveFile(fileName_, true);
}

bool Logging::Create(const std::wstring& logtitle, const std::wstring& delimiter)
{
    exists_ = false;
    if (fileSystem_.IsFile(fileName_)) {
        exists_ = true;
        if (file_) {
            return false;
        }
        file_ = OpenForWriting(fileName_, OPEN_EXISTING);
        if (!file_ || !::SetFilePointerEx(file_.Get(), LARGE_INTEGER{}, nullptr, FILE_END)) {
            file_.Reset();
            return false;
        }
        Write(delimiter);
        return true;
    }
    if (file_) {
        return false;
    }
    file_ = OpenForWriting(fileName_, CREATE_ALWAYS);
    if (!file_) {
        return false;
    }
    const std::wstring title = L"*** " + application_ + L" " + logtitle + L" ***";
    Write(ByteOrderMark + title + LineEnd + std::wstring(title.size(), L'-') + LineEnd);
    return true;
}

void Logging::WriteLine(const std::wstring& entry, const std::wstring& message)
{
    Write(MessageLine(entry, message));
}

void Logging::Destroy()
{
    file_.Reset();
}

void Logging::Write(const std::wstring& text)
{
    if (!file_ || text.empty()) {
        return;
    }
    const std::string bytes = AnsiText::Encode(text, CP_UTF8);
    DWORD written = 0;
    ::WriteFile(file_.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}
