#include "configurator/window/html_help.h"

#include "platform/win32/wide.h"

namespace configurator {
namespace {

constexpr UINT kHelpContext = 0x000F;  // HH_HELP_CONTEXT

}  // namespace

THtmlHelp::THtmlHelp() : FLibrary(LoadLibraryW(L"hhctrl.ocx")) {
  if (FLibrary) {
    FHtmlHelp = reinterpret_cast<THtmlHelpW>(
        reinterpret_cast<void*>(GetProcAddress(FLibrary, "HtmlHelpW")));
  }
}

THtmlHelp::~THtmlHelp() {
  if (FLibrary) FreeLibrary(FLibrary);
}

void THtmlHelp::ShowContext(const std::string& AFile, int32_t AContext) const {
  if (!FHtmlHelp) return;
  FHtmlHelp(GetDesktopWindow(), platform::win32::ToWide(AFile).c_str(), kHelpContext,
            static_cast<DWORD_PTR>(static_cast<uint32_t>(AContext)));
}

}  // namespace configurator
