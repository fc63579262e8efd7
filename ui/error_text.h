// The text of the error box shown for an error that escaped a handler.
// Portable, so the rule is tested natively.
#ifndef QUILLORY_UI_ERROR_TEXT_H_
#define QUILLORY_UI_ERROR_TEXT_H_

#include <string>
#include <string_view>

namespace ui {

// AMessage (UTF-8) with a full stop added when its last character sorts
// after the full stop.
std::string ErrorBoxText(std::string_view AMessage);

}  // namespace ui

#endif  // QUILLORY_UI_ERROR_TEXT_H_
