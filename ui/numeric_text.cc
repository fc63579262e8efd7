#include "ui/numeric_text.h"

#include <algorithm>

namespace ui {
namespace {

bool IsBlank(char AChar) {
  return AChar == ' ' || AChar == '\t';
}

// The number AText holds, saturated to 64 bits' worth of digits far beyond
// any 32-bit range; nullopt when it is no number.
std::optional<int64_t> Parse(std::string_view AText) {
  while (!AText.empty() && IsBlank(AText.front())) AText.remove_prefix(1);
  while (!AText.empty() && IsBlank(AText.back())) AText.remove_suffix(1);
  bool negative = false;
  if (!AText.empty() && (AText.front() == '+' || AText.front() == '-')) {
    negative = AText.front() == '-';
    AText.remove_prefix(1);
  }
  if (AText.empty()) return std::nullopt;
  constexpr int64_t kSaturated = int64_t{1} << 40;
  int64_t magnitude = 0;
  for (char c : AText) {
    if (c < '0' || c > '9') return std::nullopt;
    if (magnitude < kSaturated) magnitude = magnitude * 10 + (c - '0');
  }
  return negative ? -magnitude : magnitude;
}

}  // namespace

int32_t NumericValue(std::string_view AText, int32_t AMin, int32_t AMax) {
  const int64_t value = Parse(AText).value_or(0);
  return static_cast<int32_t>(std::clamp<int64_t>(value, AMin, AMax));
}

std::optional<std::string> NumericTextOnExit(std::string_view AText, int32_t AMin, int32_t AMax) {
  const std::optional<int64_t> value = Parse(AText);
  if (!value || (*value >= AMin && *value <= AMax)) return std::nullopt;
  return std::to_string(std::clamp<int64_t>(*value, AMin, AMax));
}

}  // namespace ui
