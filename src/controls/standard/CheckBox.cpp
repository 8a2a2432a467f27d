#include "controls/standard/CheckBox.h"

std::int32_t CheckBox::Value() const
{
    return ::SendMessageW(Hwnd(), BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
}

void CheckBox::SetValue(std::int32_t value)
{
    if ((value != 0 && value != 1) || value == Value()) {
        return;
    }
    // BM_SETCHECK raises no BN_CLICKED, so the click handling runs here.
    ::SendMessageW(Hwnd(), BM_SETCHECK, value == 1 ? BST_CHECKED : BST_UNCHECKED, 0);
    OnClicked();
}

void CheckBox::OnClicked()
{
    if (clickHandler_) {
        clickHandler_();
    }
}
