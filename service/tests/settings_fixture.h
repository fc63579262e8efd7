// A scratch client settings folder for tests, and the exchange's examples as
// a table of request, reply and file bytes on disk.
#ifndef QUILLORY_SERVICE_TESTS_SETTINGS_FIXTURE_H_
#define QUILLORY_SERVICE_TESTS_SETTINGS_FIXTURE_H_

#include <atomic>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "platform/file_system.h"

namespace service::testing {

namespace fs = std::filesystem;

// A UTF-8 path for the file-system library (on Windows a plain std::string
// would be taken in the ANSI code page).
inline fs::path U8Path(const std::string& AUtf8) {
  return fs::path(std::u8string(AUtf8.begin(), AUtf8.end()));
}

inline std::string ToUtf8(const fs::path& APath) {
  const std::u8string text = APath.u8string();
  return std::string(text.begin(), text.end());
}

// A fresh folder below the system's temporary folder, removed at the end.
class TScratchFolder {
 public:
  TScratchFolder() {
    static std::atomic<int> next{0};
    FRoot = fs::temp_directory_path() /
            ("quillory-settings-" +
             std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
             std::to_string(next++) + "-" + std::to_string(reinterpret_cast<std::uintptr_t>(this)));
    fs::remove_all(FRoot);
    fs::create_directories(FRoot / "clients");
  }
  ~TScratchFolder() {
    std::error_code ignored;
    fs::remove_all(FRoot, ignored);
  }

  // The folder above the client settings folder.
  const fs::path& Root() const { return FRoot; }
  // The client settings folder, as the service is configured with it.
  std::string Folder() const { return ToUtf8(FRoot / "clients"); }
  // The path the service builds for AName.
  std::string PathOf(const std::string& AName) const {
    return Folder() + platform::PathSeparator() + AName;
  }

  void Put(const std::string& AName, const std::string& ABytes) const {
    std::ofstream(U8Path(PathOf(AName)), std::ios::binary) << ABytes;
  }
  // The bytes of the file AName, or nullopt when there is none.
  std::optional<std::string> Get(const std::string& AName) const {
    const fs::path path = U8Path(PathOf(AName));
    if (!fs::is_regular_file(path)) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  // The names in the client settings folder.
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(U8Path(Folder())))
      names.push_back(ToUtf8(entry.path().filename()));
    return names;
  }

 private:
  fs::path FRoot;
};

// One example: the file AName holds Before (nullopt: no file), the request
// line Request (without its LF) gets Reply, and the file then holds After.
struct TExample {
  std::string Name;
  std::optional<std::string> Before;
  std::string Request;
  std::string Reply;
  std::optional<std::string> After;
};

inline const std::string kBom = "\xEF\xBB\xBF";

inline std::vector<TExample> Examples() {
  const std::string bom = kBom;
  const std::string ok = "OK", invalid = "ungueltige Eingabe";
  return {
      // The marker round trip: saved as two lines, read back with a final break.
      {"rt", std::nullopt, "saveSettings rt:a#dfCRLF#b", ok, bom + "a\r\nb\r\n"},
      {"rt", bom + "a\r\nb\r\n", "readSettings rt", "a#dfCRLF#b#dfCRLF#", bom + "a\r\nb\r\n"},
      // Files of other programs: LF ends without a final break, no mark, CR, NUL.
      {"lf", "x\ny", "readSettings lf", "x#dfCRLF#y#dfCRLF#", "x\ny"},
      {"cr", bom + "x\ry\r\n\r\nz", "readSettings cr", "x#dfCRLF#y#dfCRLF##dfCRLF#z#dfCRLF#",
       bom + "x\ry\r\n\r\nz"},
      {"zero", std::string("a\nb\0c\nd", 7), "readSettings zero", "a#dfCRLF#b#dfCRLF#",
       std::string("a\nb\0c\nd", 7)},
      {"bad", "\xFF\xC3(", "readSettings bad", "\xEF\xBF\xBD\xEF\xBF\xBD(#dfCRLF#", "\xFF\xC3("},
      {"empty", "", "readSettings empty", "", ""},
      {"mark", bom, "readSettings mark", "", bom},
      {"none", std::nullopt, "readSettings none", "", std::nullopt},
      {"", std::nullopt, "readSettings ", invalid, std::nullopt},
      // Saves: empty text, one- and two-character names, colons, CR, NUL.
      {"ab", std::nullopt, "saveSettings ab:", ok, bom},
      {"a", std::nullopt, "saveSettings a:", invalid, std::nullopt},
      {"a", std::nullopt, "saveSettings a:x", ok, bom + "x\r\n"},
      {"\xC3\xA4", std::nullopt, "saveSettings \xC3\xA4:", invalid, std::nullopt},
      {"\xF0\x9F\x98\x80", std::nullopt, "saveSettings \xF0\x9F\x98\x80:", ok, bom},
      {"cfg", std::nullopt, "saveSettings cfg:k:v:w", ok, bom + "k:v:w\r\n"},
      {"lonecr", std::nullopt, "saveSettings lonecr:a\rb", ok, bom + "a\r\nb\r\n"},
      {"endbreak", std::nullopt, "saveSettings endbreak:a#dfCRLF#", ok, bom + "a\r\n"},
      {"onebreak", std::nullopt, "saveSettings onebreak:#dfCRLF#", ok, bom + "\r\n"},
      {"overlap", std::nullopt, "saveSettings overlap:#dfCRLF#dfCRLF#", ok,
       bom + "\r\ndfCRLF#\r\n"},
      {"cut", std::nullopt, std::string("saveSettings cut:a\0b", 20), ok, bom + "a\r\n"},
      {"gruss", "old",
       "saveSettings gruss:gr\xC3\xBC\xC3\x9F"
       "e",
       ok,
       bom + "gr\xC3\xBC\xC3\x9F"
             "e\r\n"},
      {"x", std::nullopt, "saveSettings :x", invalid, std::nullopt},
      {"abc", std::nullopt, "saveSettings abc", invalid, std::nullopt},
      // The marker in small letters is text in both directions.
      {"lc", std::nullopt, "saveSettings lc:a#dfcrlf#b", ok, bom + "a#dfcrlf#b\r\n"},
      {"lc", bom + "a#dfcrlf#b\r\n", "readSettings lc", "a#dfcrlf#b#dfCRLF#",
       bom + "a#dfcrlf#b\r\n"},
      // Names with blanks are used unchanged.
      {"my file.ini", std::nullopt, "saveSettings my file.ini:x", ok, bom + "x\r\n"},
      {" lead", "y", "readSettings  lead", "y#dfCRLF#", "y"},
  };
}

}  // namespace service::testing

#endif  // QUILLORY_SERVICE_TESTS_SETTINGS_FIXTURE_H_
