#include "configurator/logic/port_rules.h"

namespace configurator {
namespace {

enum class TNumberKind { NotANumber, Below, InRange, Above };

struct TParsed {
  TNumberKind Kind = TNumberKind::NotANumber;
  int32_t Value = 0;  // the number when in range, else the nearest limit
};

bool IsBlank(char AChar) { return AChar == ' ' || AChar == '\t'; }

TParsed Parse(std::string_view AText) {
  while (!AText.empty() && IsBlank(AText.front())) AText.remove_prefix(1);
  while (!AText.empty() && IsBlank(AText.back())) AText.remove_suffix(1);
  bool negative = false;
  if (!AText.empty() && (AText.front() == '+' || AText.front() == '-')) {
    negative = AText.front() == '-';
    AText.remove_prefix(1);
  }
  if (AText.empty()) return {};
  // Saturates above the port range, so any number of digits is safe.
  int64_t magnitude = 0;
  for (char c : AText) {
    if (c < '0' || c > '9') return {};
    if (magnitude <= kPortMax) magnitude = magnitude * 10 + (c - '0');
  }
  if (negative && magnitude != 0) return {TNumberKind::Below, kPortMin};
  if (magnitude > kPortMax) return {TNumberKind::Above, kPortMax};
  return {TNumberKind::InRange, static_cast<int32_t>(magnitude)};
}

}  // namespace

int32_t PortFromText(std::string_view AText) {
  const TParsed parsed = Parse(AText);
  return parsed.Kind == TNumberKind::NotANumber ? 0 : parsed.Value;
}

std::optional<std::string> PortTextOnExit(std::string_view AText) {
  const TParsed parsed = Parse(AText);
  if (parsed.Kind == TNumberKind::Below || parsed.Kind == TNumberKind::Above) {
    return std::to_string(parsed.Value);
  }
  return std::nullopt;
}

}  // namespace configurator
