// The system's HTML Help viewer, loaded at run time: the help command does
// nothing on a system without it.
//
// Thread safety: belongs to the window thread.
#ifndef QUILLORY_CONFIGURATOR_WINDOW_HTML_HELP_H_
#define QUILLORY_CONFIGURATOR_WINDOW_HTML_HELP_H_

#include <windows.h>

#include <cstdint>
#include <string>

namespace configurator {

class THtmlHelp {
 public:
  // Loads the HTML Help control and takes its HtmlHelpW entry point.
  THtmlHelp();
  ~THtmlHelp();
  THtmlHelp(const THtmlHelp&) = delete;
  THtmlHelp& operator=(const THtmlHelp&) = delete;

  bool Available() const { return FHtmlHelp != nullptr; }

  // Opens the help file AFile (UTF-8) at topic AContext, in a window owned
  // by the desktop, not by the program's window. The viewer's result is
  // ignored; without the viewer nothing happens.
  void ShowContext(const std::string& AFile, int32_t AContext) const;

 private:
  using THtmlHelpW = HWND(WINAPI*)(HWND, LPCWSTR, UINT, DWORD_PTR);
  HMODULE FLibrary = nullptr;
  THtmlHelpW FHtmlHelp = nullptr;
};

}  // namespace configurator

#endif  // QUILLORY_CONFIGURATOR_WINDOW_HTML_HELP_H_
