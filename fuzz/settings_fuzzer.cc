// Arbitrary bytes through the client settings exchange: the request line as
// the line reader hands it on (valid UTF-8), and the same bytes as the content
// of a file, against an in-memory file system. Checks what must hold for
// every input rather than only that nothing crashes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <string>

#include "service/net/encoding.h"
#include "service/settings/client_settings.h"
#include "service/settings/settings_name.h"
#include "service/settings/settings_text.h"

namespace {

using namespace service::settings;

void Check(bool ACondition) {
  if (!ACondition) std::abort();
}

// Files in memory, below the folder "/f/".
class TMemoryFiles : public platform::TFileSystem {
 public:
  std::map<std::string, std::string> Files;

  bool DirectoryExists(const std::string& APath) override { return APath == "/f/"; }
  bool CreateDirectories(const std::string&) override { return false; }
  bool FileExists(const std::string& APath) override { return Files.contains(APath); }
  std::string ReadFile(const std::string& APath) override { return Files.at(APath); }
  std::unique_ptr<platform::TNewFile> CreateTempFile(const std::string& AFolder) override {
    return std::make_unique<TFile>(*this, AFolder + ".tmp");
  }
  void SyncFolder(const std::string&) override {}

 private:
  class TFile : public platform::TNewFile {
   public:
    TFile(TMemoryFiles& AOwner, std::string APath) : FOwner(AOwner), FPath(std::move(APath)) {}
    const std::string& Path() const override { return FPath; }
    void Write(std::string_view ABytes) override { FBytes.append(ABytes); }
    void Flush() override {}
    void ReplaceTarget(const std::string& ATarget) override { FOwner.Files[ATarget] = FBytes; }

   private:
    TMemoryFiles& FOwner;
    std::string FPath, FBytes;
  };
};

bool IsOneUtf8Line(const std::string& AText) {
  return AText.find_first_of("\r\n") == std::string::npos && service::DecodeUtf8(AText) == AText;
}

// The mark, then lines each ended by CR LF; no other CR, LF or NUL.
bool IsWrittenForm(std::string_view AFile) {
  if (!AFile.starts_with(kByteOrderMark)) return false;
  AFile.remove_prefix(kByteOrderMark.size());
  if (!AFile.empty() && !AFile.ends_with("\r\n")) return false;
  for (std::size_t i = 0; i < AFile.size(); ++i) {
    if (AFile[i] == '\0') return false;
    if (AFile[i] == '\r' && (i + 1 == AFile.size() || AFile[i + 1] != '\n')) return false;
    if (AFile[i] == '\n' && (i == 0 || AFile[i - 1] != '\r')) return false;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* AData, size_t ASize) {
  const std::string_view bytes(reinterpret_cast<const char*>(AData), ASize);

  // The bytes as a file: the reply is one line of valid UTF-8; the file a
  // save writes has the mark and CR LF breaks only, and reads back the same
  // (unless a '#' could run into a marker: the marker has no escape).
  const std::string wire = FileToWire(bytes);
  Check(IsOneUtf8Line(wire));
  const std::string file = WireToFile(wire);
  Check(IsWrittenForm(file));
  if (wire.find("#dfCRLF#") == wire.rfind("#dfCRLF#") || bytes.find('#') == std::string_view::npos)
    Check(WireToFile(FileToWire(file)) == file);

  // The bytes as the rest of a request line.
  const std::string rest = service::DecodeUtf8(bytes);
  for (auto rules : {platform::TFileNameRules::Posix, platform::TFileNameRules::Windows}) {
    if (IsNameInFolder(rest, rules)) {
      Check(rest.find_first_of(std::string_view("/\\\0", 3)) == std::string::npos);
      Check(rest != "." && rest != "..");
    }
  }
  Check(!IsNameInFolder(rest, platform::TFileNameRules::Windows) ||
        IsNameInFolder(rest, platform::TFileNameRules::Posix));

  TMemoryFiles files;
  TClientSettings settings("/f", files);
  const std::string save = settings.Save("saveSettings " + rest);
  Check(save == "OK" || save == "ungueltige Eingabe");
  if (save == "OK") {
    Check(files.Files.size() == 1);
    const auto& [path, content] = *files.Files.begin();
    Check(path.starts_with("/f/") && path.find('/', 3) == std::string::npos);
    Check(content.starts_with(kByteOrderMark));
    Check(IsWrittenForm(content));
    Check(IsOneUtf8Line(settings.Read("readSettings " + path.substr(3))));
  }
  return 0;
}
