// ASCII letter case, for names the system compares without regard to case
// (switches, registry names, file names under Windows rules, archive
// entries, record names). Only A to Z and a to z are folded; every other
// byte, UTF-8 sequences included, is left as it is, whatever the locale.
//
// Thread safety: pure functions.
#ifndef QUILLORY_BASE_ASCII_H_
#define QUILLORY_BASE_ASCII_H_

#include <algorithm>
#include <string>
#include <string_view>

namespace base {

constexpr char AsciiUpper(char AChar) {
  return AChar >= 'a' && AChar <= 'z' ? static_cast<char>(AChar - 'a' + 'A') : AChar;
}

constexpr char AsciiLower(char AChar) {
  return AChar >= 'A' && AChar <= 'Z' ? static_cast<char>(AChar - 'A' + 'a') : AChar;
}

// AText with a to z turned into A to Z.
inline std::string AsciiUpperCase(std::string_view AText) {
  std::string out(AText);
  std::transform(out.begin(), out.end(), out.begin(), AsciiUpper);
  return out;
}

// AText with A to Z turned into a to z.
inline std::string AsciiLowerCase(std::string_view AText) {
  std::string out(AText);
  std::transform(out.begin(), out.end(), out.begin(), AsciiLower);
  return out;
}

// True when A and B are equal apart from ASCII letter case.
constexpr bool EqualsIgnoringAsciiCase(std::string_view A, std::string_view B) {
  return A.size() == B.size() && std::equal(A.begin(), A.end(), B.begin(), [](char a, char b) {
           return AsciiLower(a) == AsciiLower(b);
         });
}

// True when A starts with APrefix apart from ASCII letter case.
constexpr bool StartsWithIgnoringAsciiCase(std::string_view A, std::string_view APrefix) {
  return A.size() >= APrefix.size() &&
         EqualsIgnoringAsciiCase(A.substr(0, APrefix.size()), APrefix);
}

// True when A ends with ASuffix apart from ASCII letter case.
constexpr bool EndsWithIgnoringAsciiCase(std::string_view A, std::string_view ASuffix) {
  return A.size() >= ASuffix.size() &&
         EqualsIgnoringAsciiCase(A.substr(A.size() - ASuffix.size()), ASuffix);
}

// A strict weak order of texts that ignores ASCII letter case (for maps
// keyed by such names).
constexpr bool LessIgnoringAsciiCase(std::string_view A, std::string_view B) {
  return std::lexicographical_compare(A.begin(), A.end(), B.begin(), B.end(),
                                      [](char a, char b) { return AsciiLower(a) < AsciiLower(b); });
}

}  // namespace base

#endif  // QUILLORY_BASE_ASCII_H_
