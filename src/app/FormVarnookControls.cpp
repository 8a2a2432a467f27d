#include "app/FormVarnookControls.h"

#include "app/FormVarnookDesign.h"
#include "platform/Dpi.h"

#include <algorithm>
#include <initializer_list>

namespace {

namespace Design = FormVarnookDesign;

RECT Bounds(const Design::Control& control, UINT dpi)
{
    const Design::Placement& place = control.Place;
    return Dpi::FromTwips(place.Left, place.Top, place.Width, place.Height, dpi);
}

// A platform control straight on the form, as the design places it.
template <typename Control>
Control Placed(FormSite& site, const Design::Control& control)
{
    return Control(control.Caption, Bounds(control, site.Dpi()), site.HostWindow(), control.Id);
}

// A component in its own window on the form, as the design places it.
template <typename Component>
Component Sited(FormSite& site, const wchar_t* name, const Design::Control& control)
{
    return Component(site, name, Bounds(control, site.Dpi()), static_cast<UINT_PTR>(control.Id));
}

RECT Anchored(RECT bounds, unsigned anchors, int wider, int taller)
{
    if ((anchors & Design::MovesRight) != 0) {
        ::OffsetRect(&bounds, wider, 0);
    }
    if ((anchors & Design::MovesDown) != 0) {
        ::OffsetRect(&bounds, 0, taller);
    }
    if ((anchors & Design::GrowsWide) != 0) {
        bounds.right += wider;
    }
    if ((anchors & Design::GrowsTall) != 0) {
        bounds.bottom += taller;
    }
    return bounds;
}

} // namespace

FormVarnookControls::FormVarnookControls(FormSite& site)
    : site_(site), systemMenu_(site, L"SystemMenuVarnook"),
      infoFrame_(Sited<InfoFrame>(site, L"InfoFrameVarnook", Design::InfoFrameVarnook)),
      frameFolder_(Placed<Frame>(site, Design::FrameFolder)),
      browse_(Placed<CommandButton>(site, Design::CommandFolderBrowse)),
      folderLabel_(Placed<Label>(site, Design::LabelFolderCurrentfolder)),
      list_(Sited<ListView>(site, L"ListViewFolderItems", Design::ListViewFolderItems)),
      frameModified_(Placed<Frame>(site, Design::FrameModified)),
      labelDate_(Placed<Label>(site, Design::LabelModifiedDate)),
      datePicker_(Sited<DateTimePicker>(site, L"DateTimePickerModifiedDate", Design::DateTimePickerModifiedDate)),
      labelTime_(Placed<Label>(site, Design::LabelModifiedTime)),
      timePicker_(Sited<DateTimePicker>(site, L"DateTimePickerModifiedTime", Design::DateTimePickerModifiedTime)),
      process_(Placed<CommandButton>(site, Design::CommandProcess)),
      selectAll_(Placed<CommandButton>(site, Design::CommandSelectall)),
      refresh_(Placed<CommandButton>(site, Design::CommandRefresh)), status_(Placed<Label>(site, Design::LabelStatus)),
      moreOptions_(Placed<CommandButton>(site, Design::CommandMoreOptions)),
      frameOptions_(Placed<Frame>(site, Design::FrameOptions)),
      conversion_(Design::ConversionEntries(), Bounds(Design::ComboOptionsConversion, site.Dpi()), site.HostWindow(),
          Design::ComboOptionsConversion.Id),
      log_(Placed<CheckBox>(site, Design::CheckOptionsLog)),
      subfolders_(Placed<CheckBox>(site, Design::CheckOptionsSubfolders)),
      modified_(Placed<CheckBox>(site, Design::CheckOptionsModified)),
      ignoreReadonly_(Placed<CheckBox>(site, Design::CheckOptionsIgnorereadonly)),
      hiddenSystem_(Placed<CheckBox>(site, Design::CheckOptionsHiddensystem)),
      progress_(Sited<ProgressBar>(site, L"ProgressBarVarnook", Design::ProgressBarVarnook))
{
    UseFormFont();
    MarkGroups();
    const UINT dpi = site.Dpi();
    laidOutFor_ = {Dpi::FromTwips(Design::ClientWidth, dpi), Dpi::FromTwips(Design::ClientHeight, dpi)};
}

void FormVarnookControls::MarkGroups()
{
    const HWND form = site_.HostWindow();
    for (const Design::Control* control : Design::Layout) {
        if (std::find(std::begin(Design::JoinsGroupBefore), std::end(Design::JoinsGroupBefore), control->Id) ==
            std::end(Design::JoinsGroupBefore)) {
            const HWND window = ::GetDlgItem(form, control->Id);
            ::SetWindowLongPtrW(window, GWL_STYLE, ::GetWindowLongPtrW(window, GWL_STYLE) | WS_GROUP);
        }
    }
}

void FormVarnookControls::Rescale()
{
    UseFormFont();
    for (VisualComponent* component :
        std::initializer_list<VisualComponent*>{&infoFrame_, &list_, &datePicker_, &timePicker_, &progress_}) {
        component->DpiChanged();
    }
    laidOutFor_ = {};
}

// The controls let go of the old font before it goes.
void FormVarnookControls::UseFormFont()
{
    GdiObject font = site_.HostFont().Create(site_.Dpi());
    std::swap(font_, font);
    for (StandardControl* control : std::initializer_list<StandardControl*>{&frameFolder_, &browse_, &folderLabel_,
             &frameModified_, &labelDate_, &labelTime_, &process_, &selectAll_, &refresh_, &status_, &moreOptions_,
             &frameOptions_, &conversion_, &log_, &subfolders_, &modified_, &ignoreReadonly_, &hiddenSystem_}) {
        control->SetFont(static_cast<HFONT>(font_.Get()));
    }
}

void FormVarnookControls::ReadDesign()
{
    systemMenu_.ReadProperties(Design::SystemMenuVarnookSettings());
    infoFrame_.ReadProperties(Design::InfoFrameVarnookSettings());
    infoFrame_.Resize();
    list_.ReadProperties(Design::ListViewFolderItemsSettings());
    datePicker_.ReadProperties(Design::DateTimePickerModifiedDateSettings());
    timePicker_.ReadProperties(Design::DateTimePickerModifiedTimeSettings());
    progress_.ReadProperties(Design::ProgressBarVarnookSettings());
}

void FormVarnookControls::ApplyCaptions(const ProgramInfo& program)
{
    const std::wstring product = program.ProductName();
    if (SystemMenuItem* undo = systemMenu_.Item(Design::UndoEntry)) {
        undo->SetText(Design::DutchUndo);
    }
    if (SystemMenuItem* about = systemMenu_.Item(Design::AboutEntry)) {
        about->SetText(Design::DutchAboutBefore + product + Design::DutchAboutAfter);
    }
    const HWND form = site_.HostWindow();
    ::SetWindowTextW(form, program.ApplicationTitle().c_str());
    infoFrame_.SetText(product);
    NameForScreenReaders(ControlIds::InfoFrameVarnook, product);
    for (const Design::Caption& name : Design::DutchAccessibleNames) {
        NameForScreenReaders(name.Id, name.Text);
    }
    labelDate_.ShowAccessKey();
    labelTime_.ShowAccessKey();
    for (const Design::Caption& caption : Design::DutchCaptions) {
        ::SetDlgItemTextW(form, caption.Id, caption.Text);
    }
    std::int32_t index = 0;
    for (const wchar_t* text : Design::DutchColumns) {
        if (::Column* column = list_.Column(index++)) {
            column->SetText(text);
        }
    }
    std::int32_t style = 0;
    for (const wchar_t* text : Design::DutchStyles) {
        conversion_.SetEntry(style++, text);
    }
}

void FormVarnookControls::Layout(SIZE client)
{
    if (client.cx == laidOutFor_.cx && client.cy == laidOutFor_.cy) {
        return;
    }
    laidOutFor_ = client;
    const UINT dpi = site_.Dpi();
    const int wider = std::max(0, static_cast<int>(client.cx) - Dpi::FromTwips(Design::ClientWidth, dpi));
    const int taller = std::max(0, static_cast<int>(client.cy) - Dpi::FromTwips(Design::ClientHeight, dpi));
    const HWND form = site_.HostWindow();
    for (const Design::Control* control : Design::Layout) {
        RECT bounds = Anchored(Bounds(*control, dpi), control->Anchors, wider, taller);
        if (control->Id == ControlIds::ComboOptionsConversion) {
            bounds = ComboBox::WithDroppedList(bounds);
        }
        ::SetWindowPos(::GetDlgItem(form, control->Id), nullptr, bounds.left, bounds.top, bounds.right - bounds.left,
            bounds.bottom - bounds.top, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    // The form paints over its children (frames need that), so they paint again after it.
    ::RedrawWindow(form, nullptr, nullptr, RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN);
}

// A component's window and the platform control in it carry the name, as a
// screen reader may ask either.
void FormVarnookControls::NameForScreenReaders(int id, const std::wstring& name)
{
    const HWND component = ::GetDlgItem(site_.HostWindow(), id);
    ::SetWindowTextW(component, name.c_str());
    if (const HWND inside = ::GetWindow(component, GW_CHILD)) {
        ::SetWindowTextW(inside, name.c_str());
    }
}

std::vector<StandardControl*> FormVarnookControls::HeldStandardControls()
{
    return {&browse_, &selectAll_, &refresh_, &moreOptions_, &conversion_, &log_, &subfolders_, &modified_,
        &ignoreReadonly_, &hiddenSystem_};
}

FormVarnookControls::HeldInputs FormVarnookControls::HoldInputs()
{
    HeldInputs held;
    held.Focus = ::GetFocus();
    for (StandardControl* control : HeldStandardControls()) {
        held.Enabled.push_back(control->IsEnabled());
    }
    for (DateTimePicker* picker : {&datePicker_, &timePicker_}) {
        held.Enabled.push_back(picker->Enabled());
    }
    const HWND form = site_.HostWindow();
    if (held.Focus != nullptr && held.Focus != list_.ControlHwnd() && ::IsChild(form, held.Focus)) {
        ::SetFocus(list_.ControlHwnd());
    }
    for (StandardControl* control : HeldStandardControls()) {
        control->Enable(false);
    }
    datePicker_.SetEnabled(false);
    timePicker_.SetEnabled(false);
    return held;
}

void FormVarnookControls::ReleaseInputs(const HeldInputs& held)
{
    size_t index = 0;
    for (StandardControl* control : HeldStandardControls()) {
        control->Enable(held.Enabled[index++]);
    }
    for (DateTimePicker* picker : {&datePicker_, &timePicker_}) {
        picker->SetEnabled(held.Enabled[index++]);
    }
    if (held.Focus != nullptr && ::IsWindow(held.Focus) && ::IsWindowEnabled(held.Focus)) {
        ::SetFocus(held.Focus);
    }
}
