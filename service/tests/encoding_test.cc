#include "service/net/encoding.h"

#include <gtest/gtest.h>

namespace service {
namespace {

TEST(Encoding, DecodeUtf8KeepsValidTextAndReplacesMalformedSequences) {
  const std::string fffd = "\xEF\xBF\xBD";
  struct Case {
    std::string in, out;
  } cases[] = {
      {"plain ascii", "plain ascii"},
      {"gr\xC3\xBC\xC3\x9F"
       "e \xE2\x82\xAC \xF0\x9F\x98\x80",
       "gr\xC3\xBC\xC3\x9F"
       "e \xE2\x82\xAC \xF0\x9F\x98\x80"},
      {"a\x80"
       "b",
       "a" + fffd + "b"},                               // stray continuation byte
      {"\xC0\xAF", fffd + fffd},                        // overlong slash
      {"\xED\xA0\x80", fffd + fffd + fffd},             // surrogate half
      {"\xF4\x90\x80\x80", fffd + fffd + fffd + fffd},  // above U+10FFFF
      {"end\xE2\x82", "end" + fffd + fffd},             // truncated at the end
      {std::string("nul\0in", 6), std::string("nul\0in", 6)},
  };
  for (const auto& c : cases) EXPECT_EQ(DecodeUtf8(c.in), c.out) << c.in;
  // Malformed bytes at every place within the eight-byte steps of long ASCII
  // runs, next to a valid sequence.
  for (std::size_t at = 0; at < 17; ++at) {
    const std::string ascii(at, 'a'), tail(11, 'b');
    EXPECT_EQ(DecodeUtf8(ascii + "\xFF" + tail + "\xC3\xBC" + ascii + "\xE2\x82"),
              ascii + fffd + tail + "\xC3\xBC" + ascii + fffd + fffd)
        << at;
  }
}

TEST(Encoding, AsciiTurnsEveryNonAsciiCharacterIntoOneQuestionMark) {
  EXPECT_EQ(EncodeAscii("ungueltige Eingabe"), "ungueltige Eingabe");
  EXPECT_EQ(EncodeAscii("gr\xC3\xBC\xC3\x9F"
                        "e \xF0\x9F\x98\x80!"),
            "gr??e ?!");
  EXPECT_EQ(Encode("\xC3\xBC", TTextEncoding::Utf8), "\xC3\xBC");
}

}  // namespace
}  // namespace service
