#include "service/settings/settings_request.h"

#include <cstdint>

namespace service::settings {

namespace {

// The number of UTF-16 code units of the UTF-8 text AText, counted up to
// ALimit: one per sequence, two for a four-byte sequence. Malformed bytes
// count one each (the line reader has replaced them before they get here).
std::size_t Utf16Length(std::string_view AText, std::size_t ALimit) {
  std::size_t units = 0;
  for (char ch : AText) {
    const auto c = static_cast<uint8_t>(ch);
    if (c >= 0x80 && c < 0xC0) continue;  // continuation byte
    units += c >= 0xF0 ? 2 : 1;
    if (units >= ALimit) break;
  }
  return units;
}

std::string_view AfterCommand(std::string_view ALine) {
  return ALine.size() > kCommandLength ? ALine.substr(kCommandLength) : std::string_view();
}

}  // namespace

std::string_view ReadRequestName(std::string_view ALine) {
  return AfterCommand(ALine);
}

std::optional<TSaveRequest> ParseSaveRequest(std::string_view ALine) {
  const std::string_view rest = AfterCommand(ALine);
  const std::size_t colon = rest.find(':');
  if (colon == std::string_view::npos || colon == 0 || Utf16Length(rest, 3) < 3)
    return std::nullopt;
  return TSaveRequest{rest.substr(0, colon), rest.substr(colon + 1)};
}

}  // namespace service::settings
