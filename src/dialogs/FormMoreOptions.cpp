#include "dialogs/FormMoreOptions.h"

#include "controls/host/FontDesc.h"
#include "platform/Dpi.h"
#include "platform/ModalShowing.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>

namespace {

constexpr DWORD Style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr DWORD ExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;

// One field of the shift: its edit, its unit and where the two lie on the
// shift's row, in pixels at 96 dpi.
struct ShiftField {
    int Id;
    const wchar_t* Unit;
    int Maximum;
    std::int64_t Seconds;
    int Left;
    int Width;
    int UnitWidth;
};

constexpr std::array<ShiftField, 4> ShiftFields{{
    {FormMoreOptions::IdDays, L"dagen", 9999, 86400, 177, 52, 40},
    {FormMoreOptions::IdHours, L"uur", 23, 3600, 279, 40, 26},
    {FormMoreOptions::IdMinutes, L"min", 59, 60, 355, 40, 26},
    {FormMoreOptions::IdSeconds, L"s", 59, 1, 431, 40, 12},
}};

constexpr std::array<int, 3> TimeIds{
    FormMoreOptions::IdCreated, FormMoreOptions::IdAccessed, FormMoreOptions::IdWritten};
constexpr std::array<unsigned, 3> TimeBits{RunRules::Created, RunRules::Accessed, RunRules::Written};

// The sign's positions in its list.
constexpr int Later = 0;
constexpr int Earlier = 1;

struct Layout {
    SIZE Client;
    RECT NameGroup;
    RECT ExtensionLabel;
    RECT Extension;
    RECT WordBreaks;
    RECT TimesGroup;
    std::array<RECT, 3> Times;
    RECT SourceLabel;
    RECT Source;
    RECT ShiftLabel;
    RECT ShiftSign;
    std::array<RECT, 4> Numbers;
    std::array<RECT, 4> Units;
    // How far a drop-down list reaches below its field.
    int ListDrop;
    int SpinWidth;
    RECT Ok;
    RECT Cancel;
};

// Designed in pixels at 96 dpi after the Windows dialog guidelines for the
// message font: 11 from the edges, rows of 23 a 6 apart, labels in a column
// of their own, buttons as wide as About's. A group that ends in a check
// box ends closer below it: the box is smaller than its row. The widths
// leave room for the Dutch texts in Segoe UI, wider than the faces of Wine.
Layout LayoutFor(UINT dpi)
{
    constexpr int RowHeight = 23;
    constexpr int LabelLeft = 23;
    constexpr int FieldLeft = 101;
    // The long lists end in line with the minutes' edit: wide enough for
    // their longest text, on an edge the window has already.
    constexpr int ListWidth = 294;
    constexpr int ContentRight = 487;
    constexpr int ShiftTop = 171;
    const auto scale = [dpi](int pixels) { return Dpi::Scale(pixels, dpi); };
    const auto rect = [&scale](int left, int top, int width, int height) {
        return RECT{scale(left), scale(top), scale(left + width), scale(top + height)};
    };
    const auto row = [&rect](int left, int top, int width) { return rect(left, top, width, RowHeight); };
    // A label's text is lowered to the line of its field's, as a dialog
    // template lowers it: by a quarter of a line, 2 dialog units.
    const auto label = [&rect](int left, int top, int width) { return rect(left, top + 3, width, RowHeight - 3); };
    Layout layout{.Client = {scale(510), scale(250)},
        .NameGroup = rect(11, 8, 488, 77),
        .ExtensionLabel = label(LabelLeft, 28, 74),
        .Extension = row(FieldLeft, 28, ListWidth),
        .WordBreaks = row(LabelLeft, 57, ContentRight - LabelLeft),
        .TimesGroup = rect(11, 93, 488, 110),
        // Lined up with the days' and the minutes' edit below them.
        .Times = {row(LabelLeft, 113, 150), row(177, 113, 174), row(355, 113, ContentRight - 355)},
        .SourceLabel = label(LabelLeft, 142, 74),
        .Source = row(FieldLeft, 142, ListWidth),
        .ShiftLabel = label(LabelLeft, ShiftTop, 74),
        .ShiftSign = row(FieldLeft, ShiftTop, 68),
        .ListDrop = scale(96),
        .SpinWidth = scale(17),
        .Ok = rect(330, 214, 81, 25),
        .Cancel = rect(418, 214, 81, 25)};
    for (size_t field = 0; field < ShiftFields.size(); ++field) {
        const ShiftField& shift = ShiftFields[field];
        layout.Numbers[field] = row(shift.Left, ShiftTop, shift.Width);
        layout.Units[field] = label(shift.Left + shift.Width + 4, ShiftTop, shift.UnitWidth);
    }
    return layout;
}

int Width(const RECT& bounds)
{
    return bounds.right - bounds.left;
}

int Height(const RECT& bounds)
{
    return bounds.bottom - bounds.top;
}

// The digits the text begins with, held to 0..maximum: what is left of an
// edit the user emptied or pasted into is still a number in its range.
int Clamped(const std::wstring& text, int maximum)
{
    int value = 0;
    for (const wchar_t digit : text) {
        if (digit < L'0' || digit > L'9') {
            break;
        }
        value = std::min(value * 10 + (digit - L'0'), maximum);
    }
    return value;
}

} // namespace

FormMoreOptions::~FormMoreOptions()
{
    // The window goes before the font it holds.
    DestroyOwnWindow();
}

bool FormMoreOptions::ShowModal(HWND owner, RunRules& rules)
{
    if (Hwnd() != nullptr || !Create(owner)) {
        return false;
    }
    Load(rules);
    const HWND window = Hwnd();
    ModalShowing::Run(
        window, owner, ::GetDlgItem(window, IdExtension), [this] { return !closing_ && Hwnd() != nullptr; });
    DestroyOwnWindow();
    if (accepted_) {
        rules = chosen_;
    }
    return accepted_;
}

bool FormMoreOptions::Create(HWND owner)
{
    RegisterWindowClass(WindowClassName, 0, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    shownDpi_ = dpi_ != 0 ? dpi_ : Dpi::OfWindow(owner);
    closing_ = false;
    accepted_ = false;
    const SIZE client = LayoutFor(shownDpi_).Client;
    if (!CreateOwnWindow(ExStyle, WindowClassName, L"Meer opties", Style, {0, 0, client.cx, client.cy}, owner)) {
        return false;
    }
    ModalShowing::PlaceCentred(Hwnd(), client, owner);
    return true;
}

// The controls are made in tab order, each label just before the control it
// names: dialog navigation and screen readers both go by that order. A unit
// comes before its edit for the same reason, though it stands after it.
void FormMoreOptions::Load(const RunRules& rules)
{
    shown_ = rules;
    const Layout layout = LayoutFor(shownDpi_);
    AddChild(WC_BUTTONW, L"Naam", WS_GROUP | BS_GROUPBOX, layout.NameGroup);
    AddLabel(L"&Extensie:", layout.ExtensionLabel);
    AddList({L"Zoals de naam", L"Kleine letters", L"Hoofdletters", L"Ongewijzigd laten"}, layout.Extension, IdExtension,
        static_cast<int>(rules.NameExtension), layout.ListDrop);
    AddCheck(
        L"&Woorden beginnen ook na - _ . ( [", WS_GROUP, layout.WordBreaks, IdWordBreaks, !rules.WordBreaks.empty());

    AddChild(WC_BUTTONW, L"Tijden", WS_GROUP | BS_GROUPBOX, layout.TimesGroup);
    const std::array<const wchar_t*, 3> timeTexts{L"&Aangemaakt", L"Laatste &toegang", L"Laatst &gewijzigd"};
    for (size_t time = 0; time < TimeIds.size(); ++time) {
        // One group, so that the arrow keys go from one to the next.
        AddCheck(timeTexts[time], time == 0 ? WS_GROUP : 0, layout.Times[time], TimeIds[time],
            (rules.Times & TimeBits[time]) != 0);
    }
    AddLabel(L"Tijd &uit:", layout.SourceLabel);
    AddList({L"Datum en tijd in het venster", L"De eigen tijden van het object", L"De opnamedatum van de foto (Exif)",
                L"Een datum in de naam"},
        layout.Source, IdSource, static_cast<int>(rules.Source), layout.ListDrop);
    AddLabel(L"&Verschuiven:", layout.ShiftLabel);
    AddList({L"later", L"eerder"}, layout.ShiftSign, IdShiftSign, rules.ShiftSeconds < 0 ? Earlier : Later,
        layout.ListDrop);
    // The magnitude is taken unsigned, so that even the most negative shift has one.
    auto rest = rules.ShiftSeconds < 0 ? 0 - static_cast<std::uint64_t>(rules.ShiftSeconds)
                                       : static_cast<std::uint64_t>(rules.ShiftSeconds);
    for (size_t field = 0; field < ShiftFields.size(); ++field) {
        const ShiftField& shift = ShiftFields[field];
        const auto seconds = static_cast<std::uint64_t>(shift.Seconds);
        const auto value = static_cast<int>(std::min(rest / seconds, static_cast<std::uint64_t>(shift.Maximum)));
        rest %= seconds;
        AddChild(WC_STATICW, shift.Unit, SS_LEFT | SS_NOPREFIX, layout.Units[field]);
        AddNumber(layout.Numbers[field], shift.Id, shift.Maximum, value, layout.SpinWidth);
    }

    AddChild(WC_BUTTONW, L"OK", WS_TABSTOP | WS_GROUP | BS_DEFPUSHBUTTON, layout.Ok, IDOK);
    // Annuleren tells when it has the focus: it is the default button then.
    AddChild(WC_BUTTONW, L"Annuleren", WS_TABSTOP | BS_PUSHBUTTON | BS_NOTIFY, layout.Cancel, IDCANCEL);
    EnableOk();
}

HWND FormMoreOptions::AddChild(
    const wchar_t* className, const wchar_t* text, DWORD style, const RECT& bounds, int id, DWORD exStyle)
{
    const HWND child = ::CreateWindowExW(exStyle, className, text, WS_CHILD | WS_VISIBLE | style, bounds.left,
        bounds.top, Width(bounds), Height(bounds), Hwnd(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
        ::GetModuleHandleW(nullptr), nullptr);
    if (child != nullptr) {
        ::SendMessageW(
            child, WM_SETFONT, reinterpret_cast<WPARAM>(textFont_.Get(FontDesc::MessageFont(), shownDpi_)), FALSE);
    }
    return child;
}

// A label starts a group, so that the arrow keys of the controls before it
// stay among those.
void FormMoreOptions::AddLabel(const wchar_t* text, const RECT& bounds)
{
    AddChild(WC_STATICW, text, WS_GROUP | SS_LEFT, bounds);
}

void FormMoreOptions::AddCheck(const wchar_t* text, DWORD style, const RECT& bounds, int id, bool checked)
{
    const HWND check = AddChild(WC_BUTTONW, text, WS_TABSTOP | BS_AUTOCHECKBOX | style, bounds, id);
    ::SendMessageW(check, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void FormMoreOptions::AddList(
    std::initializer_list<const wchar_t*> items, const RECT& bounds, int id, int selected, int drop)
{
    const HWND list = AddChild(WC_COMBOBOXW, L"", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST,
        {bounds.left, bounds.top, bounds.right, bounds.bottom + drop}, id);
    for (const wchar_t* item : items) {
        ::SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    }
    ::SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(selected), 0);
    // A combo box sizes its field to its font; it is made as high as its
    // row, so that it lines up with the edits and labels beside it.
    RECT field{};
    ::GetWindowRect(list, &field);
    const auto itemHeight = static_cast<int>(::SendMessageW(list, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0));
    const int border = Height(field) - itemHeight;
    ::SendMessageW(list, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), Height(bounds) - border);
}

void FormMoreOptions::AddNumber(const RECT& bounds, int id, int maximum, int value, int spinWidth)
{
    const std::wstring text = std::to_wstring(value);
    const HWND edit = AddChild(
        WC_EDITW, text.c_str(), WS_TABSTOP | ES_NUMBER | ES_RIGHT | ES_AUTOHSCROLL, bounds, id, WS_EX_CLIENTEDGE);
    ::SendMessageW(edit, EM_LIMITTEXT, std::to_wstring(maximum).size(), 0);
    const HWND spin = AddChild(UPDOWN_CLASSW, L"", UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_ARROWKEYS | UDS_NOTHOUSANDS,
        {bounds.right, bounds.top, bounds.right, bounds.bottom});
    ::SendMessageW(spin, UDM_SETBUDDY, reinterpret_cast<WPARAM>(edit), 0);
    ::SendMessageW(spin, UDM_SETRANGE32, 0, maximum);
    ::SendMessageW(spin, UDM_SETPOS32, 0, value);
    // Set against its edit, the up-down takes the width of the screen's DPI;
    // it gets the one of this window's, over as much of the edit's border
    // as it chose to cover.
    RECT editBounds{};
    RECT spinBounds{};
    ::GetWindowRect(edit, &editBounds);
    ::GetWindowRect(spin, &spinBounds);
    const int overlap = std::max(0L, editBounds.right - spinBounds.left);
    ::MoveWindow(edit, bounds.left, bounds.top, Width(bounds) - spinWidth + overlap, Height(bounds), FALSE);
    ::MoveWindow(spin, bounds.right - spinWidth, bounds.top, spinWidth, Height(bounds), FALSE);
}

bool FormMoreOptions::IsChecked(int id) const
{
    return ::SendDlgItemMessageW(Hwnd(), id, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

int FormMoreOptions::Selected(int id) const
{
    return std::max(0, static_cast<int>(::SendDlgItemMessageW(Hwnd(), id, CB_GETCURSEL, 0, 0)));
}

int FormMoreOptions::Number(int id, int maximum) const
{
    const HWND edit = ::GetDlgItem(Hwnd(), id);
    std::wstring text(static_cast<size_t>(::GetWindowTextLengthW(edit)) + 1, L'\0');
    text.resize(static_cast<size_t>(::GetWindowTextW(edit, text.data(), static_cast<int>(text.size()))));
    return Clamped(text, maximum);
}

RunRules FormMoreOptions::Chosen() const
{
    RunRules rules = shown_;
    rules.NameExtension = static_cast<RunRules::Extension>(Selected(IdExtension));
    // Characters the window does not offer, set elsewhere, stay while the
    // box stays checked.
    if (!IsChecked(IdWordBreaks)) {
        rules.WordBreaks.clear();
    } else if (rules.WordBreaks.empty()) {
        rules.WordBreaks = RunRules::PunctuationBreaks;
    }
    rules.Times = 0;
    for (size_t time = 0; time < TimeIds.size(); ++time) {
        rules.Times |= IsChecked(TimeIds[time]) ? TimeBits[time] : 0;
    }
    rules.Source = static_cast<RunRules::TimeSource>(Selected(IdSource));
    std::int64_t seconds = 0;
    for (const ShiftField& shift : ShiftFields) {
        seconds += Number(shift.Id, shift.Maximum) * shift.Seconds;
    }
    rules.ShiftSeconds = Selected(IdShiftSign) == Earlier ? -seconds : seconds;
    return rules;
}

LRESULT FormMoreOptions::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam)
{
    switch (message) {
    case WM_CLOSE:
        // The modal loop takes the window down once the owner is back.
        closing_ = true;
        return 0;
    case WM_COMMAND:
        OnCommand(LOWORD(wparam), HIWORD(wparam));
        return 0;
    case WM_NEXTDLGCTL:
        // Dialog navigation moves the focus for the arrow keys and for a
        // label's access key by asking the window, as it would ask a dialog.
        OnNextControl(wparam, LOWORD(lparam) != 0);
        return 0;
    case DM_GETDEFID:
        // Enter goes to OK unless a button that has the focus takes it.
        return MAKELRESULT(IDOK, DC_HASDEFID);
    default:
        break;
    }
    return DefaultHandling(message, wparam, lparam);
}

void FormMoreOptions::OnNextControl(WPARAM which, bool isControl)
{
    const HWND next = isControl ? reinterpret_cast<HWND>(which) : ::GetNextDlgTabItem(Hwnd(), ::GetFocus(), which != 0);
    if (next != nullptr && ::IsChild(Hwnd(), next)) {
        ::SetFocus(next);
    }
}

void FormMoreOptions::OnCommand(int id, int code)
{
    switch (id) {
    case IDOK:
        // Enter reaches OK even while it is disabled.
        if (code == BN_CLICKED && ::IsWindowEnabled(::GetDlgItem(Hwnd(), IDOK))) {
            chosen_ = Chosen();
            accepted_ = true;
            closing_ = true;
        }
        break;
    case IDCANCEL:
        if (code == BN_CLICKED) {
            closing_ = true;
        } else if (code == BN_SETFOCUS || code == BN_KILLFOCUS) {
            MakeDefault(code == BN_SETFOCUS ? IDCANCEL : IDOK);
        }
        break;
    case IdCreated:
    case IdAccessed:
    case IdWritten:
        if (code == BN_CLICKED) {
            EnableOk();
        }
        break;
    default:
        break;
    }
}

// With no time checked a run would write none, which is no choice to confirm.
void FormMoreOptions::EnableOk()
{
    const bool anyTime = std::any_of(TimeIds.begin(), TimeIds.end(), [this](int id) { return IsChecked(id); });
    ::EnableWindow(::GetDlgItem(Hwnd(), IDOK), anyTime);
}

void FormMoreOptions::MakeDefault(int id)
{
    for (const int button : {IDOK, IDCANCEL}) {
        ::SendDlgItemMessageW(
            Hwnd(), button, BM_SETSTYLE, button == id ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, MAKELPARAM(TRUE, 0));
    }
}
