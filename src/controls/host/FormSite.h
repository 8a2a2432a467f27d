#pragma once

#include "controls/host/ComponentSite.h"

#include <set>
#include <string>
#include <utility>

// The site a form gives its components. It remembers which settings were
// reported changed, as a designer would to save them.
class FormSite final : public ComponentSite {
public:
    enum class Mode { Run, Design };

    explicit FormSite(HWND host, Mode mode = Mode::Run);

    [[nodiscard]] bool UserMode() const override { return mode_ == Mode::Run; }
    [[nodiscard]] HWND HostWindow() const override { return host_; }
    [[nodiscard]] FontDesc HostFont() const override { return font_; }
    [[nodiscard]] UINT Dpi() const override;
    void PropertyChanged(const std::wstring& component, const std::wstring& key) override;

    // The form's window exists only after the form's object that owns the site.
    void SetHostWindow(HWND host) noexcept { host_ = host; }
    // A DPI to lay out for instead of the window's own (0 follows the window).
    void SetDpi(UINT dpi) noexcept { dpi_ = dpi; }

    [[nodiscard]] bool WasChanged(const std::wstring& component, const std::wstring& key) const;
    void ForgetChanges() noexcept { changed_.clear(); }

private:
    HWND host_;
    Mode mode_;
    FontDesc font_;
    UINT dpi_ = 0;
    std::set<std::pair<std::wstring, std::wstring>> changed_;
};
