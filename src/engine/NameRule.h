#pragma once

#include "engine/RunRules.h"

#include <string>

// The name a run gives an item: the letter-case style applied to it, with
// the extension of a file following a rule of its own and Word case also
// beginning words after the rules' characters. A folder's name is taken
// whole: a dot in it ends no extension.
class NameRule {
public:
    NameRule(int style, const RunRules& rules);

    // Whether the rule can change a name at all: a style that renames, or
    // an extension put in one case while the rest of the name stays.
    [[nodiscard]] bool Renames() const noexcept;
    [[nodiscard]] std::wstring NewName(const std::wstring& name, bool isFolder) const;
    // Where the extension of a name begins, at its dot: at the last dot
    // that no space follows. The length of the name when it has none.
    [[nodiscard]] static size_t ExtensionStart(const std::wstring& name) noexcept;

private:
    int style_;
    RunRules::Extension extension_;
    std::wstring wordBreaks_;
};
