#pragma once

#include <cstdint>
#include <string>

// The rules a run follows beyond the letter-case style and the chosen
// moment. Every default keeps the program's plain behaviour: the extension
// goes with the name, only white space begins a word, all three times are
// written, and they take the moment chosen in the window.
struct RunRules {
    enum class Extension : std::uint8_t { LikeName = 0, Lower = 1, Upper = 2, Keep = 3 };
    // Which of an item's times a run writes.
    enum Time : unsigned { Created = 1, Accessed = 2, Written = 4, AllTimes = 7 };
    // Where the new times come from: the chosen moment, the item's own
    // times (so that only the shift moves them), the date a photo was
    // taken, or a date written in the item's name.
    enum class TimeSource : std::uint8_t { Chosen = 0, Own = 1, Photo = 2, Name = 3 };

    // The characters, beyond white space, after which Word case begins a
    // new word, as the window offers them.
    static constexpr const wchar_t* PunctuationBreaks = L" -_.([";

    Extension NameExtension = Extension::LikeName;
    std::wstring WordBreaks;
    unsigned Times = AllTimes;
    TimeSource Source = TimeSource::Chosen;
    // Added to every time written; negative moves back.
    std::int64_t ShiftSeconds = 0;

    bool operator==(const RunRules&) const = default;
};
