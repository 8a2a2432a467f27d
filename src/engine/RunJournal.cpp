#include "engine/RunJournal.h"

#include "platform/PathForm.h"
#include "platform/ProgramInfo.h"
#include "services/SpecialFolders.h"
#include "runtime/AnsiText.h"

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <sstream>

namespace {

constexpr wchar_t Prefix[] = L"journal-";
constexpr wchar_t OpenEnding[] = L".txt";
constexpr wchar_t UndoneEnding[] = L".undone";
constexpr char Header[] = "VARNOOK-JOURNAL\t1";
// Done records are written at once, and forced to the disk this often: a
// program that is killed loses none of them, a power cut a few.
constexpr std::int32_t DoneRecordsPerFlush = 256;

std::wstring Escaped(const std::wstring& text)
{
    std::wstring escaped;
    escaped.reserve(text.size());
    for (const wchar_t character : text) {
        if (character < 0x20 || character == L'%') {
            wchar_t code[4];
            std::swprintf(code, 4, L"%%%02X", static_cast<unsigned>(character));
            escaped += code;
        } else {
            escaped += character;
        }
    }
    return escaped;
}

std::wstring Unescaped(const std::wstring& text)
{
    std::wstring plain;
    plain.reserve(text.size());
    for (size_t at = 0; at < text.size(); ++at) {
        if (text[at] == L'%' && at + 2 < text.size()) {
            plain += static_cast<wchar_t>(std::wcstoul(text.substr(at + 1, 2).c_str(), nullptr, 16));
            at += 2;
        } else {
            plain += text[at];
        }
    }
    return plain;
}

std::uint64_t Ticks(const FILETIME& time)
{
    return (static_cast<std::uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

FILETIME FileTimeOf(std::uint64_t ticks)
{
    return FILETIME{static_cast<DWORD>(ticks & 0xFFFFFFFFu), static_cast<DWORD>(ticks >> 32)};
}

std::string Utf8(const std::wstring& text)
{
    return AnsiText::Encode(text, CP_UTF8);
}

std::string Number(std::uint64_t value)
{
    return std::to_string(value);
}

std::string StartedText(const SYSTEMTIME& started)
{
    char text[32];
    std::snprintf(text, sizeof(text), "%04u-%02u-%02u %02u:%02u:%02u", started.wYear, started.wMonth, started.wDay,
        started.wHour, started.wMinute, started.wSecond);
    return text;
}

std::string EntryRecord(std::int32_t index, const RunJournal::Entry& entry)
{
    return "E\t" + Number(static_cast<std::uint64_t>(index)) + "\t" + Utf8(Escaped(entry.Path)) + "\t" +
        Utf8(Escaped(entry.NewPath)) + "\t" + Number(Ticks(entry.Before.Created)) + "\t" +
        Number(Ticks(entry.Before.Accessed)) + "\t" + Number(Ticks(entry.Before.Written)) + "\t" +
        Number(entry.Before.Attributes) + "\n";
}

std::vector<std::wstring> Fields(const std::wstring& line)
{
    std::vector<std::wstring> fields;
    size_t start = 0;
    for (size_t tab = line.find(L'\t'); tab != std::wstring::npos; tab = line.find(L'\t', start)) {
        fields.push_back(line.substr(start, tab - start));
        start = tab + 1;
    }
    fields.push_back(line.substr(start));
    return fields;
}

std::optional<std::uint64_t> NumberIn(const std::wstring& field)
{
    if (field.empty() || !std::all_of(field.begin(), field.end(), [](wchar_t c) { return c >= L'0' && c <= L'9'; })) {
        return std::nullopt;
    }
    return std::wcstoull(field.c_str(), nullptr, 10);
}

std::optional<SYSTEMTIME> StartedIn(const std::wstring& field)
{
    SYSTEMTIME started{};
    unsigned parts[6]{};
    if (std::swscanf(field.c_str(), L"%4u-%2u-%2u %2u:%2u:%2u", &parts[0], &parts[1], &parts[2], &parts[3], &parts[4],
            &parts[5]) != 6) {
        return std::nullopt;
    }
    started.wYear = static_cast<WORD>(parts[0]);
    started.wMonth = static_cast<WORD>(parts[1]);
    started.wDay = static_cast<WORD>(parts[2]);
    started.wHour = static_cast<WORD>(parts[3]);
    started.wMinute = static_cast<WORD>(parts[4]);
    started.wSecond = static_cast<WORD>(parts[5]);
    return started;
}

bool ReadEntry(const std::vector<std::wstring>& fields, RunJournal::Run& run)
{
    if (fields.size() != 8) {
        return false;
    }
    const auto index = NumberIn(fields[1]);
    const auto created = NumberIn(fields[4]);
    const auto accessed = NumberIn(fields[5]);
    const auto written = NumberIn(fields[6]);
    const auto attributes = NumberIn(fields[7]);
    if (!index || *index != run.Entries.size() || !created || !accessed || !written || !attributes) {
        return false;
    }
    RunJournal::Entry entry;
    entry.Path = Unescaped(fields[2]);
    entry.NewPath = Unescaped(fields[3]);
    entry.Before = {
        FileTimeOf(*created), FileTimeOf(*accessed), FileTimeOf(*written), static_cast<std::uint32_t>(*attributes)};
    run.Entries.push_back(std::move(entry));
    return true;
}

bool ReadDone(const std::vector<std::wstring>& fields, RunJournal::Run& run)
{
    const auto index = fields.size() == 4 ? NumberIn(fields[1]) : std::nullopt;
    const auto written = fields.size() == 4 ? NumberIn(fields[3]) : std::nullopt;
    if (!index || *index >= run.Entries.size() || !written) {
        return false;
    }
    RunJournal::Entry& entry = run.Entries[static_cast<size_t>(*index)];
    entry.Done = true;
    entry.CurrentPath = Unescaped(fields[2]);
    entry.WrittenAfter = FileTimeOf(*written);
    return true;
}

} // namespace

std::wstring RunJournal::UserFolder()
{
    const ProgramInfo program;
    return SpecialFolders().GetSpecialFolder(CSIDL_LOCAL_APPDATA) + L"\\" + program.CompanyName() + L"\\" +
        program.ProductName();
}

RunJournal::RunJournal(std::wstring folder) : folder_(std::move(folder))
{
}

bool RunJournal::Begin(const SYSTEMTIME& started, const std::vector<Entry>& entries)
{
    End();
    wchar_t name[64];
    std::swprintf(name, 64, L"%ls%04u%02u%02u-%02u%02u%02u-%03u%ls", Prefix, started.wYear, started.wMonth,
        started.wDay, started.wHour, started.wMinute, started.wSecond, started.wMilliseconds, OpenEnding);
    fileName_ = fileSystem_.AddFolderBackslash(folder_) + name;
    ::SHCreateDirectoryExW(nullptr, folder_.c_str(), nullptr);
    file_ = FileHandle(::CreateFileW(PathForm::Extended(fileName_).c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
        CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    std::string records = std::string(Header) + "\t" + StartedText(started) + "\n";
    for (size_t index = 0; index < entries.size(); ++index) {
        records += EntryRecord(static_cast<std::int32_t>(index), entries[index]);
    }
    if (!Write(records) || !::FlushFileBuffers(file_.Get())) {
        file_.Reset();
        ::DeleteFileW(PathForm::Extended(fileName_).c_str());
        return false;
    }
    KeepNewest(KeptRuns);
    return true;
}

bool RunJournal::Done(std::int32_t index, const std::wstring& currentPath, const FILETIME& written)
{
    const bool recorded = Write("D\t" + Number(static_cast<std::uint64_t>(index)) + "\t" + Utf8(Escaped(currentPath)) +
        "\t" + Number(Ticks(written)) + "\n");
    if (recorded && ++unflushed_ >= DoneRecordsPerFlush) {
        unflushed_ = 0;
        ::FlushFileBuffers(file_.Get());
    }
    return recorded;
}

void RunJournal::End()
{
    if (file_) {
        ::FlushFileBuffers(file_.Get());
        file_.Reset();
    }
    unflushed_ = 0;
}

bool RunJournal::Write(const std::string& bytes)
{
    DWORD written = 0;
    return file_ && ::WriteFile(file_.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
        written == bytes.size();
}

std::vector<std::wstring> RunJournal::JournalsNewestFirst(const std::wstring& ending) const
{
    std::int32_t count = 0;
    std::vector<std::wstring> files;
    fileSystem_.EnumerateFiles(folder_, 0, count, files, std::wstring(Prefix) + L"*" + ending);
    std::sort(files.rbegin(), files.rend());
    return files;
}

void RunJournal::KeepNewest(size_t count) const
{
    const std::vector<std::wstring> journals = JournalsNewestFirst(L"");
    for (size_t index = count; index < journals.size(); ++index) {
        ::DeleteFileW(PathForm::Extended(journals[index]).c_str());
    }
}

std::vector<std::wstring> RunJournal::UndoableJournals() const
{
    return JournalsNewestFirst(OpenEnding);
}

std::optional<std::string> RunJournal::ReadBytes(const std::wstring& file)
{
    const FileHandle handle(::CreateFileW(PathForm::Extended(file).c_str(), GENERIC_READ,
        FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    LARGE_INTEGER size{};
    if (!handle || !::GetFileSizeEx(handle.Get(), &size) || size.QuadPart > 512 * 1024 * 1024) {
        return std::nullopt;
    }
    std::string bytes(static_cast<size_t>(size.QuadPart), '\0');
    DWORD read = 0;
    if (!bytes.empty() &&
        (!::ReadFile(handle.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr) ||
            read != bytes.size())) {
        return std::nullopt;
    }
    return bytes;
}

bool RunJournal::HasDoneEntries(const std::wstring& file)
{
    const auto bytes = ReadBytes(file);
    return bytes && bytes->find("\nD\t") != std::string::npos;
}

std::optional<RunJournal::Run> RunJournal::Read(const std::wstring& file)
{
    const auto bytes = ReadBytes(file);
    if (!bytes) {
        return std::nullopt;
    }
    std::istringstream lines(*bytes);
    std::string line;
    if (!std::getline(lines, line) || line.rfind(Header, 0) != 0) {
        return std::nullopt;
    }
    const std::vector<std::wstring> header = Fields(AnsiText::Decode(line, CP_UTF8));
    const auto started = header.size() == 3 ? StartedIn(header[2]) : std::nullopt;
    if (!started) {
        return std::nullopt;
    }
    Run run{file, *started, {}};
    // A record ends with its line; one without an end was being written
    // when the run stopped, and is no record.
    while (std::getline(lines, line) && !lines.eof()) {
        const std::vector<std::wstring> fields = Fields(AnsiText::Decode(line, CP_UTF8));
        if (fields[0] == L"E") {
            ReadEntry(fields, run);
        } else if (fields[0] == L"D") {
            ReadDone(fields, run);
        }
    }
    return run;
}

bool RunJournal::MarkUndone(const std::wstring& file)
{
    const size_t ending = file.rfind(OpenEnding);
    if (ending == std::wstring::npos) {
        return false;
    }
    const std::wstring undone = file.substr(0, ending) + UndoneEnding;
    return ::MoveFileExW(PathForm::Extended(file).c_str(), PathForm::Extended(undone).c_str(),
               MOVEFILE_REPLACE_EXISTING) != FALSE;
}
