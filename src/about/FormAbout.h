#pragma once

#include "controls/host/ComponentFont.h"
#include "controls/host/PropertyStore.h"
#include "platform/BaseWindow.h"
#include "platform/ProgramInfo.h"
#include "platform/Win32.h"

#include <functional>
#include <string>

// The About window: the program's icon, name and version, copyright line and
// the maker's web address as a link, in an etched frame, with OK. It is
// modal to its owner: the owner takes no input while it is up, so nothing
// in it can run or close underneath.
//
// Set the texts, then ShowModal; the window is made anew for every showing.
class FormAbout final : public BaseWindow<FormAbout> {
public:
    static constexpr const wchar_t* WindowClassName = L"PellonarVarnookAbout";
    // The maker's web address, the one place it is written.
    static constexpr const wchar_t* MakerWebsite = L"https://pellonar.example/varnook";

    // Child control identifiers; OK is IDOK, so Enter and Esc close the window.
    static constexpr int IdApplication = 100;
    static constexpr int IdCopyright = 101;
    static constexpr int IdWebsite = 102;

    // The product name, a space and the version's major and minor number: "Varnook 1.0".
    [[nodiscard]] static std::wstring ApplicationLine(const ProgramInfo& program);
    // A menu entry's text as a caption, without its "&" and "...": "&Over Varnook..." gives "Over Varnook".
    [[nodiscard]] static std::wstring CaptionFor(const std::wstring& menuText);

    // Where the parts lie at a DPI. The link's width is its text's, so it is
    // not part of the layout.
    struct Layout {
        SIZE Client;
        RECT Icon;
        RECT Application;
        RECT Copyright;
        POINT Website;
        int TextHeight;
        RECT Frame;
        RECT Ok;
    };
    [[nodiscard]] static Layout LayoutFor(UINT dpi);

    // Opens the web address; the shell's "open" unless replaced.
    using Opener = std::function<void(HWND window, const std::wstring& address)>;

    FormAbout();
    ~FormAbout();

    [[nodiscard]] const std::wstring& Application() const noexcept { return application_; }
    void SetApplication(const std::wstring& text) { application_ = text; }
    [[nodiscard]] const std::wstring& Copyright() const noexcept { return copyright_; }
    void SetCopyright(const std::wstring& text) { copyright_ = text; }
    [[nodiscard]] IconRef Icon2() const noexcept { return icon_; }
    void SetIcon2(IconRef icon) noexcept { icon_ = icon; }
    [[nodiscard]] const std::wstring& Website() const noexcept { return website_; }
    void SetWebsite(const std::wstring& address) { website_ = address; }
    [[nodiscard]] const std::wstring& Caption() const noexcept { return caption_; }
    void SetCaption(const std::wstring& caption) { caption_ = caption; }
    // The DPI to lay out for; 0 (the default) takes the owner's.
    void SetDpi(UINT dpi) noexcept { dpi_ = dpi; }
    void SetOpener(Opener opener) { opener_ = std::move(opener); }

    // Shows the window, centred on `owner` and with `owner` disabled, and
    // returns when it has closed; the owner is enabled again before the
    // window goes, so the activation returns to it.
    void ShowModal(HWND owner);

private:
    friend class BaseWindow<FormAbout>;
    LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam);

    bool Create(HWND owner);
    void Load();
    HWND AddChild(const wchar_t* className, const std::wstring& text, DWORD style, const RECT& bounds, int id);
    [[nodiscard]] int LinkWidth(HWND link) const;
    void OnPaint();
    void OnCommand(int id, int code);
    void OpenWebsite();

    std::wstring application_;
    std::wstring copyright_;
    IconRef icon_;
    std::wstring website_;
    std::wstring caption_ = L"About";
    UINT dpi_ = 0;
    UINT shownDpi_ = 0;
    Opener opener_;
    bool closing_ = false;
    HWND link_ = nullptr;
    ComponentFont textFont_;
    ComponentFont linkFont_;
};
