#include "engine/NameRule.h"

#include "engine/LetterCase.h"

NameRule::NameRule(int style, const RunRules& rules)
    : style_(style), extension_(rules.NameExtension), wordBreaks_(rules.WordBreaks)
{
}

bool NameRule::Renames() const noexcept
{
    return LetterCase::Renames(style_) || extension_ == RunRules::Extension::Lower ||
        extension_ == RunRules::Extension::Upper;
}

size_t NameRule::ExtensionStart(const std::wstring& name) noexcept
{
    size_t start = name.size();
    for (size_t i = 0; i < name.size(); ++i) {
        if (name[i] == L'.') {
            start = i;
        } else if (name[i] == L' ' || name[i] == L'\\') {
            start = name.size();
        }
    }
    return start;
}

std::wstring NameRule::NewName(const std::wstring& name, bool isFolder) const
{
    if (extension_ == RunRules::Extension::LikeName || isFolder) {
        return LetterCase::Convert(name, style_, wordBreaks_);
    }
    const size_t start = ExtensionStart(name);
    std::wstring extension = name.substr(start);
    if (extension_ == RunRules::Extension::Lower) {
        extension = LetterCase::ToLower(extension);
    } else if (extension_ == RunRules::Extension::Upper) {
        extension = LetterCase::ToUpper(extension);
    }
    return LetterCase::Convert(name.substr(0, start), style_, wordBreaks_) + extension;
}
