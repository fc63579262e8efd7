#include "service/settings/settings_text.h"

#include <algorithm>

#include "service/net/encoding.h"

namespace service::settings {

namespace {

// Calls AOnLine(line) for every line of AText, in order (see the header for
// what a line is). Each line is a view into AText. The next CR and the next
// LF are found with memchr and remembered until passed, so each byte is
// scanned at most twice (once per character sought), however the breaks mix.
template <typename F>
void ForEachLine(std::string_view AText, F&& AOnLine) {
  AText = AText.substr(0, AText.find('\0'));
  std::size_t start = 0;
  std::size_t next_cr = AText.find('\r'), next_lf = AText.find('\n');  // npos: none left
  for (;;) {
    if (next_cr < start) next_cr = AText.find('\r', start);
    if (next_lf < start) next_lf = AText.find('\n', start);
    const std::size_t end = std::min(next_cr, next_lf);
    if (end == std::string_view::npos) {
      if (start < AText.size()) AOnLine(AText.substr(start));
      return;
    }
    AOnLine(AText.substr(start, end - start));
    start = end + 1;
    if (AText[end] == '\r' && start < AText.size() && AText[start] == '\n') ++start;
  }
}

// The lines of AText joined, each followed by ABreak.
std::string JoinLines(std::string_view AText, std::string_view ABreak, std::string AOut = {}) {
  AOut.reserve(AOut.size() + AText.size() + AText.size() / 8 + ABreak.size());
  ForEachLine(AText, [&](std::string_view ALine) {
    AOut.append(ALine);
    AOut.append(ABreak);
  });
  return AOut;
}

}  // namespace

std::string NormaliseLineBreaks(std::string_view AText) {
  return JoinLines(AText, "\r\n");
}

std::string FileToWire(std::string_view ABytes) {
  if (ABytes.starts_with(kByteOrderMark)) ABytes.remove_prefix(kByteOrderMark.size());
  return JoinLines(DecodeUtf8(ABytes), kLineBreakMarker);
}

std::string WireToFile(std::string_view AText) {
  std::string text;
  text.reserve(AText.size());
  for (;;) {
    const std::size_t marker = AText.find(kLineBreakMarker);
    if (marker == std::string_view::npos) break;
    text.append(AText.substr(0, marker));
    text.append("\r\n");
    AText.remove_prefix(marker + kLineBreakMarker.size());
  }
  text.append(AText);
  return JoinLines(text, "\r\n", std::string(kByteOrderMark));
}

}  // namespace service::settings
