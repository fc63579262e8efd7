// The text of a client settings file in its two forms: the file's bytes
// (UTF-8 with byte order mark, every line followed by CR LF) and the wire form
// (one line, each line break carried as the marker "#dfCRLF#").
//
// Both directions pass the text through one normalisation: it is split into
// lines at CR LF, lone LF and lone CR; a NUL ends the text; text after the
// last line break forms a last line; an empty text has no lines. The lines
// are joined again, each followed by one line break. There is no escape for
// the marker: a file holding "#dfCRLF#" sends it unchanged, and saved back it
// becomes a line break.
//
// All functions are linear in their input and thread-safe.
#ifndef QUILLORY_SERVICE_SETTINGS_SETTINGS_TEXT_H_
#define QUILLORY_SERVICE_SETTINGS_SETTINGS_TEXT_H_

#include <string>
#include <string_view>

namespace service::settings {

// The marker that stands for one line break on the wire (case-sensitive).
inline constexpr std::string_view kLineBreakMarker = "#dfCRLF#";

// The UTF-8 byte order mark that begins every file written.
inline constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// AText normalised: its lines, each followed by CR LF.
std::string NormaliseLineBreaks(std::string_view AText);

// The reply to a read of a file holding ABytes: a leading byte order mark
// skipped, the rest decoded as UTF-8 (malformed sequences become U+FFFD),
// normalised, each line followed by the marker instead of CR LF. The result
// holds neither CR nor LF.
std::string FileToWire(std::string_view ABytes);

// The bytes of the file a save of AText writes: every marker (left to right,
// without overlap) replaced by CR LF, then normalised, after the byte order
// mark. An empty text gives the mark alone.
std::string WireToFile(std::string_view AText);

}  // namespace service::settings

#endif  // QUILLORY_SERVICE_SETTINGS_SETTINGS_TEXT_H_
