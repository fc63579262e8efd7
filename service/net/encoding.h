// Text encodings of the wire: UTF-8 and 7-bit ASCII.
//
// Text in memory is UTF-8. Bytes from the network are decoded into valid
// UTF-8 first: every malformed sequence (stray continuation bytes, overlong
// forms, surrogates, code points above U+10FFFF, truncated sequences) becomes
// U+FFFD, so nothing behind the line reader ever sees invalid text.
#ifndef QUILLORY_SERVICE_NET_ENCODING_H_
#define QUILLORY_SERVICE_NET_ENCODING_H_

#include <string>
#include <string_view>

namespace service {

enum class TTextEncoding { Ascii, Utf8 };

// ABytes as valid UTF-8, malformed sequences replaced by U+FFFD. Linear.
std::string DecodeUtf8(std::string_view ABytes);

// AText (valid UTF-8) in 7-bit ASCII: each character outside ASCII becomes
// one question mark.
std::string EncodeAscii(std::string_view AText);

// The bytes of AText in AEncoding.
inline std::string Encode(std::string_view AText, TTextEncoding AEncoding) {
  return AEncoding == TTextEncoding::Ascii ? EncodeAscii(AText) : std::string(AText);
}

// ABytes decoded from AEncoding into UTF-8 text.
std::string Decode(std::string_view ABytes, TTextEncoding AEncoding);

}  // namespace service

#endif  // QUILLORY_SERVICE_NET_ENCODING_H_
