#include "service/net/encoding.h"

#include <cstdint>
#include <cstring>

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

// The length of the longest prefix of AIn that is well-formed UTF-8. ASCII
// is tested eight bytes at a time.
std::size_t WellFormedPrefix(std::string_view AIn) {
  const char* const data = AIn.data();
  const std::size_t n = AIn.size();
  std::size_t i = 0;
  while (i < n) {
    while (i + 8 <= n) {
      uint64_t word;
      std::memcpy(&word, data + i, 8);
      if ((word & 0x8080808080808080ull) != 0) break;
      i += 8;
    }
    while (i < n && static_cast<uint8_t>(data[i]) < 0x80) ++i;
    if (i == n) break;
    const std::size_t len = SequenceLength(AIn.substr(i));
    if (len == 0) break;
    i += len;
  }
  return i;
}

}  // namespace

std::string DecodeUtf8(std::string_view ABytes) {
  std::size_t valid = WellFormedPrefix(ABytes);
  if (valid == ABytes.size()) return std::string(ABytes);  // the usual case: one copy
  std::string out;
  out.reserve(ABytes.size() + 2 * kReplacement.size());
  std::size_t i = 0;
  while (i < ABytes.size()) {
    out.append(ABytes.data() + i, valid);
    i += valid;
    if (i == ABytes.size()) break;
    out.append(kReplacement);  // one malformed byte
    ++i;
    valid = WellFormedPrefix(ABytes.substr(i));
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
