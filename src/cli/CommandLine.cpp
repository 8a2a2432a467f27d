#include "cli/CommandLine.h"

#include <algorithm>
#include <array>
#include <map>

namespace {

// The case styles by name, in the window's order: the position is the style.
constexpr std::array<const wchar_t*, 5> CaseNames = {L"keep", L"upper", L"lower", L"first", L"words"};
constexpr std::array<const wchar_t*, 4> ExtensionNames = {L"name", L"lower", L"upper", L"keep"};
// A shift of more than about 68 years either way moves no file's time
// anywhere sensible, and the window keeps no more.
constexpr std::int64_t LongestShift = 0x7FFF'FFFF;

template <size_t N>
std::optional<int> Position(const std::array<const wchar_t*, N>& names, const std::wstring& text)
{
    for (size_t i = 0; i < N; ++i) {
        if (text == names[i]) {
            return static_cast<int>(i);
        }
    }
    return std::nullopt;
}

std::wstring Quoted(const std::wstring& text)
{
    return L"\"" + text + L"\"";
}

// Reads `digits` digits at `at`, moving past them.
bool Digits(const std::wstring& text, size_t& at, size_t digits, int& value)
{
    if (text.size() - at < digits) {
        return false;
    }
    value = 0;
    for (size_t i = 0; i < digits; ++i) {
        const wchar_t c = text[at + i];
        if (c < L'0' || c > L'9') {
            return false;
        }
        value = value * 10 + (c - L'0');
    }
    at += digits;
    return true;
}

bool Separator(const std::wstring& text, size_t& at, wchar_t separator)
{
    if (at < text.size() && text[at] == separator) {
        ++at;
        return true;
    }
    return false;
}

} // namespace

std::optional<std::int64_t> CommandLine::ReadShift(const std::wstring& text)
{
    size_t at = 0;
    const bool back = !text.empty() && text[0] == L'-';
    if (!text.empty() && (text[0] == L'-' || text[0] == L'+')) {
        at = 1;
    }
    constexpr std::array<std::pair<wchar_t, std::int64_t>, 4> Units = {
        {{L'd', 86'400}, {L'h', 3'600}, {L'm', 60}, {L's', 1}}};
    std::int64_t seconds = 0;
    size_t unit = 0;
    bool any = false;
    while (at < text.size()) {
        std::int64_t number = 0;
        size_t digits = 0;
        while (at < text.size() && text[at] >= L'0' && text[at] <= L'9' && digits < 10) {
            number = number * 10 + (text[at++] - L'0');
            ++digits;
        }
        while (unit < Units.size() && (at >= text.size() || Units[unit].first != text[at])) {
            ++unit;
        }
        if (digits == 0 || unit == Units.size()) {
            return std::nullopt;
        }
        seconds += number * Units[unit++].second;
        ++at;
        any = true;
        if (seconds > LongestShift) {
            return std::nullopt;
        }
    }
    if (!any) {
        return std::nullopt;
    }
    return back ? -seconds : seconds;
}

std::optional<OleDate> CommandLine::ReadMoment(const std::wstring& text)
{
    size_t at = 0;
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
    const bool read = Digits(text, at, 4, year) && Separator(text, at, L'-') && Digits(text, at, 2, month) &&
        Separator(text, at, L'-') && Digits(text, at, 2, day) &&
        (Separator(text, at, L' ') || Separator(text, at, L'T')) && Digits(text, at, 2, hour) &&
        Separator(text, at, L':') && Digits(text, at, 2, minute) &&
        (at == text.size() || (Separator(text, at, L':') && Digits(text, at, 2, second)));
    if (!read || at != text.size() || hour > 23 || minute > 59 || second > 59) {
        return std::nullopt;
    }
    // The platform rolls 30 February over into March; a user who wrote it
    // meant no such day.
    const auto moment = OleDate::FromParts(year, month, day, hour, minute, second);
    if (!moment || moment->Month() != month || moment->Day() != day) {
        return std::nullopt;
    }
    return moment;
}

std::optional<unsigned> CommandLine::ReadTimes(const std::wstring& text)
{
    static const std::map<std::wstring, unsigned> Names = {
        {L"created", RunRules::Created}, {L"accessed", RunRules::Accessed}, {L"modified", RunRules::Written}};
    unsigned times = 0;
    size_t start = 0;
    while (start <= text.size()) {
        const size_t end = std::min(text.find(L',', start), text.size());
        const auto found = Names.find(text.substr(start, end - start));
        if (found == Names.end()) {
            return std::nullopt;
        }
        times |= found->second;
        start = end + 1;
    }
    return times;
}

std::optional<CommandLine::Request> CommandLine::Read(const std::vector<std::wstring>& arguments, std::wstring& error)
{
    Request request;
    RunEngine::Job& job = request.Job;
    job.ExcludedAttributes = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    bool timesGiven = false;
    bool sourceGiven = false;
    bool shiftGiven = false;
    bool undo = false;
    bool optionsGiven = false;
    bool optionsEnded = false;

    const auto fail = [&error](const std::wstring& message) {
        error = message;
        return std::nullopt;
    };
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::wstring& argument = arguments[i];
        if (optionsEnded || argument.empty() || argument[0] != L'-' || argument == L"-") {
            request.Paths.push_back(argument);
            continue;
        }
        if (argument == L"--") {
            optionsEnded = true;
            continue;
        }
        // The value of an option that takes one.
        const auto value = [&](std::wstring& into) {
            if (i + 1 >= arguments.size()) {
                error = L"de optie " + argument + L" verwacht een waarde";
                return false;
            }
            into = arguments[++i];
            return true;
        };
        std::wstring text;
        if (argument == L"--help" || argument == L"-h" || argument == L"/?") {
            request.Asked = Action::Help;
        } else if (argument == L"--version") {
            request.Asked = Action::Version;
        } else if (argument == L"--undo") {
            undo = true;
        } else if (argument == L"--dry-run") {
            request.DryRun = true;
        } else if (argument == L"--subfolders") {
            job.Subfolders = true;
            optionsGiven = true;
        } else if (argument == L"--hidden") {
            job.ExcludedAttributes = 0;
            optionsGiven = true;
        } else if (argument == L"--readonly") {
            job.IgnoreReadonly = true;
            optionsGiven = true;
        } else if (argument == L"--log") {
            if (!value(request.LogFile)) {
                return std::nullopt;
            }
        } else if (argument == L"--case" || argument == L"--extension") {
            if (!value(text)) {
                return std::nullopt;
            }
            const bool isCase = argument == L"--case";
            const auto position = isCase ? Position(CaseNames, text) : Position(ExtensionNames, text);
            if (!position) {
                return fail(L"onbekende waarde voor " + argument + L": " + Quoted(text));
            }
            if (isCase) {
                job.Style = *position;
            } else {
                job.Rules.NameExtension = static_cast<RunRules::Extension>(*position);
            }
            optionsGiven = true;
        } else if (argument == L"--word-breaks") {
            if (!value(job.Rules.WordBreaks)) {
                return std::nullopt;
            }
            optionsGiven = true;
        } else if (argument == L"--set-time" || argument == L"--time-from") {
            if (!value(text)) {
                return std::nullopt;
            }
            if (sourceGiven) {
                return fail(L"de optie " + argument + L" gaat niet samen met een eerdere --set-time of --time-from");
            }
            if (argument == L"--set-time") {
                job.Moment = ReadMoment(text);
                if (!job.Moment) {
                    return fail(
                        L"ongeldig moment voor --set-time: " + Quoted(text) + L" (verwacht JJJJ-MM-DD UU:MM:SS)");
                }
            } else if (text == L"exif") {
                job.Rules.Source = RunRules::TimeSource::Photo;
            } else if (text == L"name") {
                job.Rules.Source = RunRules::TimeSource::Name;
            } else {
                return fail(L"onbekende waarde voor --time-from: " + Quoted(text));
            }
            sourceGiven = true;
            job.Modified = true;
        } else if (argument == L"--times") {
            if (!value(text)) {
                return std::nullopt;
            }
            const auto times = ReadTimes(text);
            if (!times) {
                return fail(L"ongeldige waarde voor --times: " + Quoted(text));
            }
            job.Rules.Times = *times;
            timesGiven = true;
        } else if (argument == L"--shift") {
            if (!value(text)) {
                return std::nullopt;
            }
            const auto shift = ReadShift(text);
            if (!shift) {
                return fail(
                    L"ongeldige verschuiving voor --shift: " + Quoted(text) + L" (verwacht bijvoorbeeld +1d2h3m4s)");
            }
            job.Rules.ShiftSeconds = *shift;
            shiftGiven = true;
            job.Modified = true;
        } else {
            return fail(L"onbekende optie: " + argument);
        }
    }
    if (request.Asked != Action::Process) {
        return request;
    }
    if (shiftGiven && !sourceGiven) {
        job.Rules.Source = RunRules::TimeSource::Own;
    }
    if (timesGiven && !job.Modified) {
        return fail(L"de optie --times hoort bij --set-time, --shift of --time-from");
    }
    if (undo) {
        if (optionsGiven || job.Modified || request.DryRun || !request.Paths.empty()) {
            return fail(L"de optie --undo gaat alleen samen met --log");
        }
        request.Asked = Action::Undo;
        return request;
    }
    if (request.Paths.empty()) {
        return fail(L"geen PAD opgegeven");
    }
    return request;
}

std::wstring CommandLine::HelpText()
{
    return L"Gebruik: varnook-cli [opties] PAD...\n"
           L"Zet de namen van bestanden en mappen in een andere letter en/of geeft ze een andere datum en tijd.\n"
           L"\n"
           L"  --case keep|upper|lower|first|words   huidige, grote, kleine, begin- of woordletter (standaard keep)\n"
           L"  --extension name|lower|upper|keep     de extensie zoals de naam, klein, groot of ongewijzigd\n"
           L"  --word-breaks TEKENS                  ook na deze tekens begint een woord (bij words)\n"
           L"  --set-time \"JJJJ-MM-DD UU:MM:SS\"       dit moment geven (lokale tijd)\n"
           L"  --time-from exif|name                 het moment uit de opnamedatum van de foto of uit de naam\n"
           L"  --shift [+|-]1d2h3m4s                 de tijden verschuiven (of het gekozen moment)\n"
           L"  --times created,accessed,modified     welke tijden (standaard alle drie)\n"
           L"  --subfolders                          ook alles onder de opgegeven mappen\n"
           L"  --hidden                              ook verborgen bestanden en systeembestanden\n"
           L"  --readonly                            ook alleen-lezen objecten een nieuwe tijd geven\n"
           L"  --dry-run                             alleen tonen wat er zou veranderen\n"
           L"  --log BESTAND                         fouten in dit logboek schrijven\n"
           L"  --undo                                de laatste verwerking ongedaan maken\n"
           L"  --help, --version\n"
           L"\n"
           L"Afsluitcode: 0 alles gedaan, 1 niet alles gelukt of een pad bestaat niet, 2 fout in de opdracht.\n";
}
