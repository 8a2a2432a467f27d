#include "app/ModuleVarnook.h"

#include "app/FormVarnook.h"
#include "app/FormVarnookParts.h"

void ApplyCaptions(FormVarnook& form)
{
    const std::wstring product = form.Program().ProductName();
    if (SystemMenuItem* about = form.SystemMenuVarnook().Item(1)) {
        about->SetText(L"&Over " + product + L"...");
    }
    ::SetWindowTextW(form.Hwnd(), form.Program().ApplicationTitle().c_str());
    form.InfoFrameVarnook().SetText(product);
    form.FrameFolder().SetText(L"Map");
    form.CommandFolderBrowse().SetText(L"Bladeren");
    form.ListViewFolderItems().Column(0)->SetText(L"Naam");
    form.ListViewFolderItems().Column(1)->SetText(L"Gewijzigd");
    form.FrameModified().SetText(L"Gewijzigd");
    form.LabelModifiedDate().SetText(L"Datum:");
    form.LabelModifiedTime().SetText(L"Tijd:");
    form.CommandProcess().SetText(L"Verwerken");
    form.CommandSelectall().SetText(L"Alles Selecteren");
    form.CommandRefresh().SetText(L"Vernieuwen");
    form.FrameOptions().SetText(L"Opties");
    const wchar_t* styles[] = {L"Huidige letter", L"Grote letter", L"Kleine letter", L"Begin letter", L"Woord letter"};
    for (std::int32_t index = 0; index < 5; ++index) {
        form.ComboOptionsConversion().SetEntry(index, styles[index]);
    }
    form.CheckOptionsLog().SetText(L"Logboek");
    form.CheckOptionsSubfolders().SetText(L"Submappen");
    form.CheckOptionsModified().SetText(L"Gewijzigd");
    form.CheckOptionsIgnorereadonly().SetText(L"Alleen-lezen Negeren");
    form.CheckOptionsHiddensystem().SetText(L"Verborgen/Systeem");
}
