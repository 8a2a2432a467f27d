#include "controls/host/FormSite.h"

#include "platform/Dpi.h"

FormSite::FormSite(HWND host, Mode mode) : host_(host), mode_(mode), font_(FontDesc::MessageFont())
{
}

UINT FormSite::Dpi() const
{
    return dpi_ != 0 ? dpi_ : ::Dpi::OfWindow(host_);
}

void FormSite::PropertyChanged(const std::wstring& component, const std::wstring& key)
{
    changed_.emplace(component, key);
}

bool FormSite::WasChanged(const std::wstring& component, const std::wstring& key) const
{
    return changed_.contains({component, key});
}
