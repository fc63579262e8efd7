// The rules of the port field: how its text becomes the stored port, and
// what the field shows once the keyboard focus leaves it.
//
// Thread safety: pure functions.
#ifndef QUILLORY_CONFIGURATOR_LOGIC_PORT_RULES_H_
#define QUILLORY_CONFIGURATOR_LOGIC_PORT_RULES_H_

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace configurator {

inline constexpr int32_t kPortMin = 0;
inline constexpr int32_t kPortMax = 65535;

// The port that the field's text (UTF-8) stands for: a decimal integer with
// an optional sign, blanks around it allowed, limited to kPortMin..kPortMax
// (a number of any length is limited, never wrapped). Text that is not such
// a number, the empty text among it, gives 0.
int32_t PortFromText(std::string_view AText);

// The text the field shows after the focus left it: the nearest limit when
// the text is a number outside kPortMin..kPortMax, nullopt when the text
// stays as it is (numbers in range, and text that is no number at all).
std::optional<std::string> PortTextOnExit(std::string_view AText);

}  // namespace configurator

#endif  // QUILLORY_CONFIGURATOR_LOGIC_PORT_RULES_H_
