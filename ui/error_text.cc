#include "ui/error_text.h"

namespace ui {

std::string ErrorBoxText(std::string_view AMessage) {
  std::string text(AMessage);
  // Compared as bytes: every byte of a multi-byte UTF-8 character sorts
  // after the full stop, like the character itself.
  if (!text.empty() && static_cast<unsigned char>(text.back()) > '.') text += '.';
  return text;
}

}  // namespace ui
