// The pieces of the exchange on their own: wire form, request lines, names.
#include <gtest/gtest.h>

#include "service/settings/settings_name.h"
#include "service/settings/settings_request.h"
#include "service/settings/settings_text.h"

namespace service::settings {
namespace {

TEST(SettingsText, Normalisation) {
  struct Case {
    std::string in, out;
  } cases[] = {
      {"", ""},
      {"a", "a\r\n"},
      {"a\r\n", "a\r\n"},
      {"a\n\nb", "a\r\n\r\nb\r\n"},
      {"a\r\rb", "a\r\n\r\nb\r\n"},
      {"a\n\rb", "a\r\n\r\nb\r\n"},  // LF CR is two breaks
      {"\r\n", "\r\n"},
      {"\n", "\r\n"},
      {std::string("a\0\nb", 4), "a\r\n"},
      {std::string("\0a", 2), ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(NormaliseLineBreaks(c.in), c.out) << c.in;
    EXPECT_EQ(NormaliseLineBreaks(c.out), c.out) << "idempotent: " << c.in;
  }
}

TEST(SettingsText, BothDirections) {
  const std::string bom(kByteOrderMark);
  EXPECT_EQ(FileToWire(bom + "a\r\nb"), "a#dfCRLF#b#dfCRLF#");
  EXPECT_EQ(FileToWire("a\r\nb"), FileToWire(bom + "a\r\nb"));
  EXPECT_EQ(FileToWire(bom + bom + "x"), "\xEF\xBB\xBFx#dfCRLF#");  // only one mark is skipped
  EXPECT_EQ(FileToWire("#dfCRLF#"), "#dfCRLF##dfCRLF#");            // no escape for the marker
  EXPECT_EQ(WireToFile(""), bom);
  EXPECT_EQ(WireToFile("a#dfCRLF#b"), bom + "a\r\nb\r\n");
  EXPECT_EQ(WireToFile("a\r#dfCRLF#b"), bom + "a\r\n\r\nb\r\n");  // CR and marker: two breaks
  EXPECT_EQ(WireToFile("a#dfCRLF#\nb"), bom + "a\r\n\r\nb\r\n");
  EXPECT_EQ(WireToFile("#dfCRLF"), bom + "#dfCRLF\r\n");
  EXPECT_EQ(WireToFile("##dfCRLF##"), bom + "#\r\n#\r\n");
  // Round trip: what a read sends, saved back, gives the same file.
  const std::string file = bom + "k=v\r\n\r\n[s]\r\n";
  EXPECT_EQ(WireToFile(FileToWire(file)), file);
}

TEST(SettingsRequest, ReadName) {
  EXPECT_EQ(ReadRequestName("readSettings ws1.ini"), "ws1.ini");
  EXPECT_EQ(ReadRequestName("readSettings  a:b "), " a:b ");
  EXPECT_EQ(ReadRequestName("readSettings "), "");
  EXPECT_EQ(ReadRequestName("short"), "");
}

TEST(SettingsRequest, SaveLine) {
  struct Case {
    std::string line;
    bool valid;
    std::string name, text;
  } cases[] = {
      {"saveSettings ab:", true, "ab", ""},
      {"saveSettings a:x", true, "a", "x"},
      {"saveSettings a:", false, "", ""},
      {"saveSettings :x", false, "", ""},
      {"saveSettings ab", false, "", ""},
      {"saveSettings ", false, "", ""},
      {"saveSettings", false, "", ""},
      {"saveSettings n:a:b", true, "n", "a:b"},
      {"saveSettings  :x", true, " ", "x"},
      {"saveSettings \xC3\xA4:", false, "", ""},      // one UTF-16 unit + colon
      {"saveSettings \xE2\x82\xAC:", false, "", ""},  // also one unit, three bytes
      {"saveSettings \xF0\x9F\x98\x80:", true, "\xF0\x9F\x98\x80", ""},  // a surrogate pair
  };
  for (const auto& c : cases) {
    const auto request = ParseSaveRequest(c.line);
    ASSERT_EQ(request.has_value(), c.valid) << c.line;
    if (!request) continue;
    EXPECT_EQ(request->Name, c.name) << c.line;
    EXPECT_EQ(request->Text, c.text) << c.line;
  }
}

TEST(SettingsName, BothRuleSets) {
  using enum platform::TFileNameRules;
  struct Case {
    std::string name;
    bool posix, windows;
  } cases[] = {
      {"ws1.ini", true, true},
      {"my settings", true, true},
      {" lead", true, true},
      {"gr\xC3\xBC\xC3\x9F"
       "e",
       true, true},
      {"..x", true, true},
      {"CONSOLE", true, true},
      {"COM10", true, true},
      {"COM0", true, true},
      {"LPT", true, true},
      {"", false, false},
      {".", false, false},
      {"..", false, false},
      {"../x", false, false},
      {"a/b", false, false},
      {"a\\b", false, false},
      {"\\\\server\\share\\x", false, false},
      {"/etc/passwd", false, false},
      {std::string("a\0b", 3), false, false},
      {"a:b", true, false},
      {"C:x", true, false},
      {"x::$DATA", true, false},
      {"a.", true, false},
      {"a ", true, false},
      {"...", true, false},
      {"CON", true, false},
      {"con", true, false},
      {"Nul.txt", true, false},
      {"aux.tar.gz", true, false},
      {"PRN .log", true, false},
      {"com1", true, false},
      {"LPT9.ini", true, false},
      {"COM\xC2\xB9", true, false},
      {"CONOUT$", true, false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(IsNameInFolder(c.name, Posix), c.posix) << c.name;
    EXPECT_EQ(IsNameInFolder(c.name, Windows), c.windows) << c.name;
  }
}

}  // namespace
}  // namespace service::settings
