// How the text of a numeric field is read, and what the field shows when
// the keyboard focus leaves it. Portable, so the rules are tested natively.
//
// Thread safety: pure functions.
#ifndef QUILLORY_UI_NUMERIC_TEXT_H_
#define QUILLORY_UI_NUMERIC_TEXT_H_

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace ui {

// The value that AText (UTF-8) stands for in a field limited to
// AMin..AMax: a decimal integer with an optional sign, blanks around it
// allowed, limited to the range (a number of any length is limited, never
// wrapped). Text that is not such a number, the empty text among it, gives
// 0 limited to the range. Requires AMin <= AMax.
int32_t NumericValue(std::string_view AText, int32_t AMin, int32_t AMax);

// The text the field shows once the focus left it: the nearest limit when
// AText is a number outside AMin..AMax, nullopt when the text stays (numbers
// in range, and text that is no number at all).
std::optional<std::string> NumericTextOnExit(std::string_view AText, int32_t AMin, int32_t AMax);

}  // namespace ui

#endif  // QUILLORY_UI_NUMERIC_TEXT_H_
