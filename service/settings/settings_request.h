// The two request lines of the client settings exchange, taken apart:
//   "readSettings " NAME
//   "saveSettings " NAME ":" TEXT
// Characters are counted as the clients count them, in UTF-16 code units.
//
// Every input is untrusted; the functions never fail and are thread-safe.
#ifndef QUILLORY_SERVICE_SETTINGS_SETTINGS_REQUEST_H_
#define QUILLORY_SERVICE_SETTINGS_SETTINGS_REQUEST_H_

#include <optional>
#include <string_view>

namespace service::settings {

// Length of "readSettings " and "saveSettings ", the blank included.
inline constexpr std::size_t kCommandLength = 13;

// The name of a read: everything after the 13-character command, blanks and
// colons included; empty when there is nothing after it. ALine is the whole
// request line, command included (which is not looked at again).
std::string_view ReadRequestName(std::string_view ALine);

struct TSaveRequest {
  std::string_view Name;  // up to the first colon after the command
  std::string_view Text;  // everything after that colon; may be empty
};

// The name and text of a save, or nullopt when the line is malformed: no
// colon after the command, a colon right after it (empty name), or a
// one-character name with empty text. Views into ALine.
std::optional<TSaveRequest> ParseSaveRequest(std::string_view ALine);

}  // namespace service::settings

#endif  // QUILLORY_SERVICE_SETTINGS_SETTINGS_REQUEST_H_
