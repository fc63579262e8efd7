#include "service/net/encoding.h"

#include <cstdint>

namespace service {

namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD

// Length of the well-formed UTF-8 sequence at the start of AIn, or 0 when it
// is malformed (RFC 3629, table 3-7 of the Unicode standard).
std::size_t SequenceLength(std::string_view AIn) {
  const auto b = [&](std::size_t i) { return static_cast<uint8_t>(AIn[i]); };
  const std::size_t n = AIn.size();
  const uint8_t c = b(0);
  if (c < 0x80) return 1;
  const auto cont = [&](std::size_t i, uint8_t lo = 0x80, uint8_t hi = 0xBF) {
    return i < n && b(i) >= lo && b(i) <= hi;
  };
  if (c >= 0xC2 && c <= 0xDF) return cont(1) ? 2 : 0;
  if (c == 0xE0) return cont(1, 0xA0) && cont(2) ? 3 : 0;
  if ((c >= 0xE1 && c <= 0xEC) || c == 0xEE || c == 0xEF) return cont(1) && cont(2) ? 3 : 0;
  if (c == 0xED) return cont(1, 0x80, 0x9F) && cont(2) ? 3 : 0;  // no surrogates
  if (c == 0xF0) return cont(1, 0x90) && cont(2) && cont(3) ? 4 : 0;
  if (c >= 0xF1 && c <= 0xF3) return cont(1) && cont(2) && cont(3) ? 4 : 0;
  if (c == 0xF4) return cont(1, 0x80, 0x8F) && cont(2) && cont(3) ? 4 : 0;
  return 0;
}

}  // namespace

std::string DecodeUtf8(std::string_view ABytes) {
  std::string out;
  out.reserve(ABytes.size());
  std::size_t i = 0;
  while (i < ABytes.size()) {
    // Copy runs of ASCII in one go.
    std::size_t run = i;
    while (run < ABytes.size() && static_cast<uint8_t>(ABytes[run]) < 0x80) ++run;
    out.append(ABytes.data() + i, run - i);
    i = run;
    if (i == ABytes.size()) break;
    const std::size_t len = SequenceLength(ABytes.substr(i));
    if (len == 0) {
      out.append(kReplacement);
      ++i;
    } else {
      out.append(ABytes.data() + i, len);
      i += len;
    }
  }
  return out;
}

std::string EncodeAscii(std::string_view AText) {
  std::string out;
  out.reserve(AText.size());
  for (char ch : AText) {
    const auto c = static_cast<uint8_t>(ch);
    if (c < 0x80) {
      out.push_back(ch);
    } else if (c >= 0xC0) {
      out.push_back('?');  // lead byte: one character
    }                      // continuation bytes belong to the character already replaced
  }
  return out;
}

std::string Decode(std::string_view ABytes, TTextEncoding AEncoding) {
  if (AEncoding == TTextEncoding::Utf8) return DecodeUtf8(ABytes);
  std::string out(ABytes);
  for (char& ch : out) {
    if (static_cast<uint8_t>(ch) >= 0x80) ch = '?';
  }
  return out;
}

}  // namespace service
