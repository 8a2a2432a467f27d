#pragma once

#include "controls/standard/LabelState.h"
#include "controls/standard/StandardControl.h"

// A line of text, optionally with a tooltip that shows when the pointer
// rests on it (the folder label shows a path too long for it whole there).
class Label final : public StandardControl, public LabelState {
public:
    Label(const std::wstring& caption, RECT bounds, HWND parent, int id);

    [[nodiscard]] std::wstring Caption() const override { return Text(); }
    void SetCaption(const std::wstring& caption) override { SetText(caption); }
    [[nodiscard]] std::wstring ToolTipText() const override { return toolTipText_; }
    void SetToolTipText(const std::wstring& text) override;
    [[nodiscard]] std::int32_t Width() const override;
    [[nodiscard]] HFONT Font() const override;
    // The label names the control after it: an ampersand in the caption
    // marks the key that moves the focus there, instead of showing as such.
    void ShowAccessKey();

private:
    [[nodiscard]] TTTOOLINFOW ToolInfo();

    std::wstring toolTipText_;
    WindowHandle toolTip_;
};
