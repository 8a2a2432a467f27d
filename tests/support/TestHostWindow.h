#pragma once

#include "controls/host/FormSite.h"
#include "platform/BaseWindow.h"

// A shown top-level window that hosts components under test, with the site
// a form gives them.
class TestHostWindow final : public BaseWindow<TestHostWindow> {
public:
    explicit TestHostWindow(FormSite::Mode mode = FormSite::Mode::Run, int clientWidth = 521, int clientHeight = 472);

    [[nodiscard]] FormSite& Site() noexcept { return site_; }

private:
    friend class BaseWindow<TestHostWindow>;
    LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam);

    FormSite site_;
};
