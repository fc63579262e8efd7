#include "service/settings/client_settings.h"

#include <gtest/gtest.h>

#include <condition_variable>
#include <mutex>
#include <set>
#include <thread>

#include "service/tests/settings_fixture.h"

namespace service::settings {
namespace {

using service::testing::Examples;
using service::testing::kBom;
using service::testing::TScratchFolder;

const bool kWindows = platform::FileNameRules() == platform::TFileNameRules::Windows;

// The request line, answered by Read or Save as the command table would.
std::string Answer(const TClientSettings& ASettings, const std::string& ALine) {
  return ALine.starts_with("readSettings ") ? ASettings.Read(ALine) : ASettings.Save(ALine);
}

TEST(ClientSettings, Examples) {
  for (const auto& e : Examples()) {
    TScratchFolder scratch;
    if (e.Before) scratch.Put(e.Name, *e.Before);
    TClientSettings settings(scratch.Folder(), platform::SystemFileSystem());
    EXPECT_EQ(Answer(settings, e.Request), e.Reply) << e.Request;
    EXPECT_EQ(scratch.Get(e.Name), e.After) << e.Request;
    EXPECT_EQ(scratch.Names().size(), e.After ? 1u : 0u) << e.Request << ": no temporary file left";
  }
}

TEST(ClientSettings, FolderWithTrailingSeparatorIsUsedAsIs) {
  TScratchFolder scratch;
  TClientSettings settings(scratch.Folder() + platform::PathSeparator(),
                           platform::SystemFileSystem());
  EXPECT_EQ(settings.Save("saveSettings n:v"), "OK");
  EXPECT_EQ(scratch.Get("n"), kBom + "v\r\n");
  EXPECT_EQ(settings.Read("readSettings n"), "v#dfCRLF#");
}

TEST(ClientSettings, MissingFolderIsCreatedBySaveNeverByRead) {
  TScratchFolder scratch;
  const auto folder = scratch.Root() / "new" / "deeper";
  TClientSettings settings(testing::ToUtf8(folder), platform::SystemFileSystem());
  EXPECT_EQ(settings.Read("readSettings n"), "");
  EXPECT_FALSE(std::filesystem::exists(folder));
  // The folder is made before the request is looked at, so even a malformed one creates it.
  EXPECT_EQ(settings.Save("saveSettings n"), "ungueltige Eingabe");
  EXPECT_TRUE(std::filesystem::is_directory(folder));
  EXPECT_EQ(settings.Save("saveSettings n:v"), "OK");
  EXPECT_EQ(settings.Read("readSettings n"), "v#dfCRLF#");
}

TEST(ClientSettings, FolderThatCannotBeCreatedComesBeforeTheRequest) {
  TScratchFolder scratch;
  std::ofstream(scratch.Root() / "plain") << "a file, not a folder";
  for (const std::string& folder :
       {testing::ToUtf8(scratch.Root() / "plain" / "sub"), std::string()}) {
    TClientSettings settings(folder, platform::SystemFileSystem());
    EXPECT_EQ(settings.Save("saveSettings n:v"), kFolderMissing) << folder;
    EXPECT_EQ(settings.Save("saveSettings malformed"), kFolderMissing) << folder;
    EXPECT_EQ(settings.Read("readSettings n"), "") << folder;
  }
}

TEST(ClientSettings, DirectoryNamedAsAFile) {
  TScratchFolder scratch;
  std::filesystem::create_directory(testing::U8Path(scratch.PathOf("dir")));
  TClientSettings settings(scratch.Folder(), platform::SystemFileSystem());
  EXPECT_EQ(settings.Read("readSettings dir"), "");
  // Windows words it "Access is denied.", Wine "Access denied.".
  const std::set<std::string> reasons =
      kWindows ? std::set<std::string>{"Access is denied", "Access denied"}
               : std::set<std::string>{"Is a directory"};
  const std::string prefix =
      "Fehler: Datei \"" + scratch.PathOf("dir") + "\" kann nicht erstellt werden. ";
  const std::string reply = settings.Save("saveSettings dir:x");
  ASSERT_TRUE(reply.starts_with(prefix)) << reply;
  EXPECT_TRUE(reasons.contains(reply.substr(prefix.size()))) << reply;
  EXPECT_TRUE(std::filesystem::is_directory(testing::U8Path(scratch.PathOf("dir"))));
  EXPECT_EQ(scratch.Names().size(), 1u) << "no temporary file left";
}

TEST(ClientSettings, NamesLeavingTheFolderAreRefused) {
  TScratchFolder scratch;
  std::ofstream(scratch.Root() / "secret") << "outside";
  std::vector<std::string> names = {"../secret",           "..", ".", "a/b", "a\\b", "/etc/passwd",
                                    std::string("x\0y", 3)};
  if (kWindows) names.insert(names.end(), {"C:secret", "..\\secret", "CON", "nul.txt", "a.", "a "});
  TClientSettings settings(scratch.Folder(), platform::SystemFileSystem());
  for (const std::string& name : names) {
    EXPECT_EQ(settings.Read("readSettings " + name), "ungueltige Eingabe") << name;
    if (name.find(':') != std::string::npos) continue;  // a save's name ends at the colon
    EXPECT_EQ(settings.Save("saveSettings " + name + ":overwritten"), "ungueltige Eingabe") << name;
  }
  std::ifstream in(scratch.Root() / "secret");
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "outside");
  EXPECT_TRUE(scratch.Names().empty());
}

// A crash leaves a save's temporary file behind: no client may read or
// write it by its name, while names merely like it stay usable.
TEST(ClientSettings, NamesOfTemporaryFilesAreRefused) {
  TScratchFolder scratch;
  const std::string left = ".~save-0123456789abcdef.tmp";
  scratch.Put(left, "half a sa");
  std::vector<std::string> refused = {left, ".~save-x.tmp", ".~save-.tmp"};
  if (kWindows) refused.push_back(".~SAVE-0123456789ABCDEF.TMP");  // the same file there
  TClientSettings settings(scratch.Folder(), platform::SystemFileSystem());
  for (const std::string& name : refused) {
    EXPECT_EQ(settings.Read("readSettings " + name), "ungueltige Eingabe") << name;
    EXPECT_EQ(settings.Save("saveSettings " + name + ":x"), "ungueltige Eingabe") << name;
  }
  EXPECT_EQ(scratch.Get(left), "half a sa");
  for (const std::string name : {"~save-1.tmp", ".~save-1.tmpx", "x.~save-1.tmp"}) {
    EXPECT_EQ(settings.Save("saveSettings " + name + ":x"), "OK") << name;
    EXPECT_EQ(settings.Read("readSettings " + name), "x#dfCRLF#") << name;
  }
}

// Only the crash's leftovers go: other files, and folders of that name, stay.
TEST(RemoveLeftoverTempFiles, RemovesTheTemporaryFilesOfSavesOnly) {
  TScratchFolder scratch;
  for (const std::string name :
       {".~save-0123456789abcdef.tmp", ".~save-1.tmp", "keep.tmp", ".~save-1.tmp.bak", "ws"}) {
    scratch.Put(name, "x");
  }
  std::filesystem::create_directory(service::testing::U8Path(scratch.PathOf(".~save-dir.tmp")));
  EXPECT_EQ(platform::RemoveLeftoverTempFiles(scratch.Folder()), 2);
  std::set<std::string> names;
  for (const std::string& name : scratch.Names()) names.insert(name);
  EXPECT_EQ(names, (std::set<std::string>{"keep.tmp", ".~save-1.tmp.bak", "ws", ".~save-dir.tmp"}));
  EXPECT_EQ(platform::RemoveLeftoverTempFiles(scratch.PathOf("missing")), 0);
}

TEST(ClientSettings, ReadNamesWithColonsAndBlanksUnchanged) {
  if (kWindows) GTEST_SKIP() << "a colon names a stream on Windows and is refused";
  TScratchFolder scratch;
  scratch.Put("ws 1:cfg", "v");
  TClientSettings settings(scratch.Folder(), platform::SystemFileSystem());
  EXPECT_EQ(settings.Read("readSettings ws 1:cfg"), "v#dfCRLF#");
}

TEST(CannotCreateMessage, ReasonLosesTrailingBlanksStopsAndControls) {
  EXPECT_EQ(CannotCreateMessage("C:\\f\\n", "Access is denied.\r\n"),
            "Datei \"C:\\f\\n\" kann nicht erstellt werden. Access is denied");
  EXPECT_EQ(CannotCreateMessage("/f/n", "two\r\nlines. . \t"),
            "Datei \"/f/n\" kann nicht erstellt werden. two  lines");
}

// The real file system with faults put in where a test wants them.
class TFaultyFiles : public platform::TForwardingFileSystem {
 public:
  enum TStep { None, Write, Flush, Replace, Sync };
  TStep FailAt = None;
  // Called inside Write before anything is written (to hold a save there).
  std::function<void()> BeforeWrite;

  TFaultyFiles() : TForwardingFileSystem(platform::SystemFileSystem()) {}
  std::unique_ptr<platform::TNewFile> CreateTempFile(const std::string& AFolder) override {
    return std::make_unique<TFile>(*this, TForwardingFileSystem::CreateTempFile(AFolder));
  }
  void SyncFolder(const std::string& AFolder) override {
    if (FailAt == Sync) throw platform::EFileError("Input/output error");
    TForwardingFileSystem::SyncFolder(AFolder);
  }

 private:
  class TFile : public platform::TForwardingNewFile {
   public:
    TFile(TFaultyFiles& AOwner, std::unique_ptr<platform::TNewFile> AReal)
        : TForwardingNewFile(std::move(AReal)), FOwner(AOwner) {}
    void Write(std::string_view ABytes) override {
      if (FOwner.BeforeWrite) FOwner.BeforeWrite();
      if (FOwner.FailAt == TFaultyFiles::Write) {
        TForwardingNewFile::Write(
            ABytes.substr(0, ABytes.size() / 2));  // the disk filled up half-way
        throw platform::EFileError("No space left on device");
      }
      TForwardingNewFile::Write(ABytes);
    }
    void Flush() override {
      if (FOwner.FailAt == TFaultyFiles::Flush)
        throw platform::EFileError("Input/output error.\r\n");
      TForwardingNewFile::Flush();
    }
    void ReplaceTarget(const std::string& ATarget) override {
      if (FOwner.FailAt == TFaultyFiles::Replace) throw platform::EFileError("Permission denied");
      TForwardingNewFile::ReplaceTarget(ATarget);
    }

   private:
    TFaultyFiles& FOwner;
  };
};

TEST(ClientSettings, FailedSaveKeepsTheOldFileAndLeavesNoTemporaryFile) {
  struct Case {
    TFaultyFiles::TStep Step;
    std::string Reason;
    bool Replaced;
  } cases[] = {
      {TFaultyFiles::Write, " kann nicht geschrieben werden. No space left on device", false},
      {TFaultyFiles::Flush, " kann nicht geschrieben werden. Input/output error", false},
      {TFaultyFiles::Replace, " kann nicht erstellt werden. Permission denied", false},
      // The new file is in place; only its durability is in doubt, and the client is told.
      {TFaultyFiles::Sync, " kann nicht geschrieben werden. Input/output error", true},
  };
  for (const auto& c : cases) {
    TScratchFolder scratch;
    const std::string old = kBom + "old settings\r\n";
    scratch.Put("ws", old);
    TFaultyFiles files;
    files.FailAt = c.Step;
    TClientSettings settings(scratch.Folder(), files);
    EXPECT_EQ(settings.Save("saveSettings ws:" + std::string(100000, 'n')),
              "Fehler: Datei \"" + scratch.PathOf("ws") + "\"" + c.Reason);
    EXPECT_EQ(scratch.Get("ws"), c.Replaced ? kBom + std::string(100000, 'n') + "\r\n" : old);
    EXPECT_EQ(scratch.Names(), std::vector<std::string>{"ws"}) << "temporary file removed";
    EXPECT_EQ(settings.Read("readSettings ws"),
              c.Replaced ? std::string(100000, 'n') + "#dfCRLF#" : "old settings#dfCRLF#");
  }
}

// A save held inside its write: a second save of the file is refused, reads
// get the complete previous text; once the first save ends, the new one.
TEST(ClientSettings, OverlappingSaveIsRefusedAndReadsSeeThePreviousText) {
  TScratchFolder scratch;
  scratch.Put("ws", "before");
  std::mutex lock;
  std::condition_variable changed;
  bool writing = false, release = false;
  TFaultyFiles files;
  files.BeforeWrite = [&] {
    std::unique_lock hold(lock);
    writing = true;
    changed.notify_all();
    changed.wait(hold, [&] { return release; });
  };
  TClientSettings held(scratch.Folder(), files);
  std::string first;
  std::thread saver([&] { first = held.Save("saveSettings ws:after"); });
  {
    std::unique_lock hold(lock);
    changed.wait(hold, [&] { return writing; });
  }
  TClientSettings settings(scratch.Folder(), platform::SystemFileSystem());
  EXPECT_EQ(settings.Save("saveSettings ws:second"),
            "Fehler: " + CannotCreateMessage(scratch.PathOf("ws"), platform::FileInUseReason()));
  if (kWindows) {  // other names are unaffected; so is the same name in other letter case
    EXPECT_TRUE(settings.Save("saveSettings WS:second").starts_with("Fehler: Datei "));
  }
  EXPECT_EQ(settings.Save("saveSettings other:x"), "OK");
  EXPECT_EQ(settings.Read("readSettings ws"), "before#dfCRLF#");
  // The temporary file in progress cannot be read by its name either.
  for (const std::string& name : scratch.Names()) {
    if (name != "ws" && name != "other") {
      EXPECT_EQ(settings.Read("readSettings " + name), "ungueltige Eingabe") << name;
    }
  }
  {
    std::lock_guard hold(lock);
    release = true;
  }
  changed.notify_all();
  saver.join();
  EXPECT_EQ(first, "OK");
  EXPECT_EQ(settings.Read("readSettings ws"), "after#dfCRLF#");
  EXPECT_EQ(settings.Save("saveSettings ws:third"), "OK");
}

TEST(ClientSettings, ReasonOfAFileInUseIsTheSystemsText) {
  const std::string prefix = "Datei \"p\" kann nicht erstellt werden. ";
  const std::string message = CannotCreateMessage("p", platform::FileInUseReason());
  ASSERT_TRUE(message.starts_with(prefix));
  // Windows: "The process cannot access the file because it is being used by
  // another process."; Wine: "Sharing violation.".
  const std::set<std::string> reasons =
      kWindows ? std::set<std::string>{"The process cannot access the file because it is being "
                                       "used by another process",
                                       "Sharing violation"}
               : std::set<std::string>{"Device or resource busy"};
  EXPECT_TRUE(reasons.contains(message.substr(prefix.size()))) << message;
}

// Many threads save and read one name at once: every read returns one of the
// texts saved, complete; every save answers OK or the file-in-use error.
TEST(ClientSettings, ConcurrentSavesAndReadsOfOneFile) {
  TScratchFolder scratch;
  TClientSettings settings(scratch.Folder(), platform::SystemFileSystem());
  auto text = [](int AWriter) {  // distinct lengths and letters per writer
    std::string t;
    for (int line = 0; line < 50 + 40 * AWriter; ++line)
      t += std::string(30, char('A' + AWriter)) + "#dfCRLF#";
    return t;
  };
  constexpr int kWriters = 4, kReaders = 4, kRounds = 150;
  std::set<std::string> valid = {text(0)};
  for (int w = 0; w < kWriters; ++w) valid.insert(text(w));
  ASSERT_EQ(settings.Save("saveSettings one:" + text(0)), "OK");
  const std::string busy =
      "Fehler: Datei \"" + scratch.PathOf("one") + "\" kann nicht erstellt werden. ";
  std::atomic<int> oks{0}, refused{0}, bad_saves{0}, bad_reads{0}, empty_reads{0};
  std::vector<std::thread> threads;
  for (int w = 0; w < kWriters; ++w) {
    threads.emplace_back([&, w] {
      for (int i = 0; i < kRounds; ++i) {
        const std::string reply = settings.Save("saveSettings one:" + text(w));
        if (reply == "OK")
          ++oks;
        else if (reply.starts_with(busy))
          ++refused;
        else
          ++bad_saves;
      }
    });
  }
  for (int r = 0; r < kReaders; ++r) {
    threads.emplace_back([&] {
      for (int i = 0; i < kRounds; ++i) {
        const std::string reply = settings.Read("readSettings one");
        if (reply.empty())
          ++empty_reads;
        else if (!valid.contains(reply))
          ++bad_reads;
      }
    });
  }
  for (auto& t : threads) t.join();
  EXPECT_EQ(bad_saves, 0);
  EXPECT_EQ(bad_reads, 0);
  EXPECT_GT(oks, 0);
  // POSIX renames never disturb a reader; on Windows a read may meet the
  // rename itself and then finds no file for a moment.
  if (!kWindows) {
    EXPECT_EQ(empty_reads, 0);
  }
  std::vector<std::string> names = scratch.Names();
  if (kWindows) {
    // Wine's ReplaceFileW moves the old file to "rf*.tmp" first and leaves it
    // there when a reader still holds it; Windows replaces in place.
    std::erase_if(names, [](const std::string& AName) {
      return AName.starts_with("rf") && AName.ends_with(".tmp");
    });
  }
  EXPECT_EQ(names, std::vector<std::string>{"one"});
  std::printf("saves OK %d, refused %d; reads empty %d\n", oks.load(), refused.load(),
              empty_reads.load());
}

}  // namespace
}  // namespace service::settings
