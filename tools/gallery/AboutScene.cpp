#include "Gallery.h"

#include "about/FormAbout.h"
#include "resource.h"

namespace {

// Shown once the gallery's loop runs, filled as the main window fills it;
// closing About ends the gallery.
void CALLBACK ShowAbout(HWND gallery, UINT, UINT_PTR timer, DWORD)
{
    ::KillTimer(gallery, timer);
    const ProgramInfo program;
    FormAbout about;
    about.SetApplication(FormAbout::ApplicationLine(program));
    about.SetCopyright(program.LegalCopyright());
    about.SetWebsite(FormAbout::MakerWebsite);
    about.SetIcon2(IconRef{IDI_VARNOOK});
    about.SetCaption(FormAbout::CaptionFor(L"&Over Varnook..."));
    about.ShowModal(gallery);
    ::PostMessageW(gallery, WM_CLOSE, 0, 0);
}

// The gallery stands in for the main window, About's owner.
void Build(GalleryWindow& window)
{
    ::SetTimer(window.Hwnd(), 1, 100, &ShowAbout);
}

const SceneRegistration registration({L"about", 7815, 7080, &Build});

} // namespace
