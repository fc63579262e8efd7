// What the main window shows when it appears: its caption and the texts of
// the About page.
//
// Thread safety: pure function of its arguments.
#ifndef QUILLORY_CONFIGURATOR_LOGIC_ABOUT_CONTENT_H_
#define QUILLORY_CONFIGURATOR_LOGIC_ABOUT_CONTENT_H_

#include <string>
#include <string_view>

#include "configurator/logic/clock.h"

namespace configurator {

struct TAboutContent {
  std::string Caption;       // the window's caption, with the version
  std::string Version;       // "Version ..."
  std::string Address;       // the maker's address block, lines split by "\n"
  std::string RightsNotice;  // its year range ends with the clock's year
  std::string Web;
  std::string Mail;
};

// The texts for a program whose version text is AVersion, at the time AClock
// tells.
TAboutContent AboutContent(std::string_view AVersion, TClock& AClock);

}  // namespace configurator

#endif  // QUILLORY_CONFIGURATOR_LOGIC_ABOUT_CONTENT_H_
