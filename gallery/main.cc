// WidgetGallery.exe: every widget of the toolkit on the pages of one form,
// the fixture of the skinning work and a demo of the toolkit.
//
//   WidgetGallery [-page N] [-dialog mdi|modal|message|folder|open|plain|nosysmenu]
//                 [-noskin]
#include <windows.h>

#include <string>
#include <vector>

#include "gallery/gallery_args.h"
#include "gallery/gallery_form.h"
#include "platform/win32/wide.h"
#include "ui/application.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  std::vector<std::string> args;
  for (int i = 1; i < __argc; ++i) args.push_back(platform::win32::ToUtf8(__wargv[i]));
  ui::TApplication application("Widget Gallery");
  std::string error;
  const auto parsed = gallery::ParseGalleryArgs(args, error);
  if (!parsed) {
    application.ShowMessageBox(error, "Widget Gallery", MB_OK | MB_ICONERROR);
    return 2;
  }
  gallery::TGalleryForm form(application, parsed->Skin);
  if (!form.ShowPage(parsed->Page - 1)) {
    application.ShowMessageBox("-page needs a number from 1 to " + std::to_string(form.PageCount()),
                               "Widget Gallery", MB_OK | MB_ICONERROR);
    return 2;
  }
  form.OpenAtStart(parsed->Dialog);
  application.Run(form);
  return 0;
}
