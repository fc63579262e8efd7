// bench_settings [FOLDER] [ROUNDS]: a 1 MiB settings text saved and read back
// through the listener on loopback, beside a 1 MiB line answered with
// "ungueltige Eingabe" by the service and by the reference server (the fixed
// design and nothing more, bench/request/reference_server.h) in the same run;
// the save's flushes to disk (file and folder) are timed inside it and
// reported on their own. Also the conversions alone at 1, 4 and 16 MiB, to
// show they are linear. FOLDER (default: a new folder below the system's
// temporary folder) decides which disk the flush goes to.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "bench/request/reference_server.h"
#include "platform/file_system.h"
#include "platform/socket.h"
#include "service/quillory_svr.h"
#include "service/settings/client_settings.h"
#include "service/settings/settings_text.h"

namespace {

using Clock = std::chrono::steady_clock;

// One request over a fresh connection; the reply up to the server's close.
std::string Exchange(uint16_t APort, const std::string& ARequest) {
  auto s = platform::TSocket::Connect("127.0.0.1", APort);
  s.SendAll(ARequest.data(), ARequest.size());
  std::string reply;
  char buffer[65536];
  for (std::size_t n; (n = s.Receive(buffer, sizeof buffer)) > 0;) reply.append(buffer, n);
  return reply;
}

double Ms(Clock::duration ATime) {
  return std::chrono::duration<double, std::milli>(ATime).count();
}

double Median(std::vector<double> AValues) {
  std::sort(AValues.begin(), AValues.end());
  return AValues[AValues.size() / 2];
}

// The real file system, with the time spent forcing data to disk (the file's
// flush and the folder's) added up.
class TTimedFiles : public platform::TForwardingFileSystem {
 public:
  Clock::duration FlushTime{};

  TTimedFiles() : TForwardingFileSystem(platform::SystemFileSystem()) {}
  std::unique_ptr<platform::TNewFile> CreateTempFile(const std::string& AFolder) override {
    return std::make_unique<TFile>(*this, TForwardingFileSystem::CreateTempFile(AFolder));
  }
  void SyncFolder(const std::string& AFolder) override {
    const auto start = Clock::now();
    TForwardingFileSystem::SyncFolder(AFolder);
    FlushTime += Clock::now() - start;
  }

 private:
  class TFile : public platform::TForwardingNewFile {
   public:
    TFile(TTimedFiles& AOwner, std::unique_ptr<platform::TNewFile> AReal)
        : TForwardingNewFile(std::move(AReal)), FOwner(AOwner) {}
    void Flush() override {
      const auto start = Clock::now();
      TForwardingNewFile::Flush();
      FOwner.FlushTime += Clock::now() - start;
    }

   private:
    TTimedFiles& FOwner;
  };
};

// Milliseconds AStep takes.
template <typename F>
double Time(F&& AStep) {
  const auto start = Clock::now();
  AStep();
  return Ms(Clock::now() - start);
}

// A settings text in wire form of about ABytes: lines of 56 characters.
std::string SettingsText(std::size_t ABytes) {
  std::string text;
  for (int i = 0; text.size() + 64 <= ABytes; ++i) {
    char line[64];
    std::snprintf(line, sizeof line, "Key%06d=%-46s", i, "value of a workstation setting");
    text.append(line, 56).append(service::settings::kLineBreakMarker);
  }
  return text;
}

void Check(bool ACondition, const char* AWhat) {
  if (!ACondition) {
    std::fprintf(stderr, "bench_settings: %s\n", AWhat);
    std::exit(1);
  }
}

}  // namespace

int main(int argc, char** argv) {
  namespace fs = std::filesystem;
  const bool own_folder = argc < 2 || argv[1][0] == 0;
  const fs::path folder =
      own_folder ? fs::temp_directory_path() / "quillory-bench-settings" : fs::path(argv[1]);
  const int rounds = argc > 2 ? std::atoi(argv[2]) : 20;
  fs::create_directories(folder);

  TTimedFiles files;
  service::TQuillorySvr svr;
  svr.Files = &files;
  svr.ClientSettingsDir = folder.string();
  svr.Server.DefaultPort = 0;
  svr.Server.SetActive(true);
  uint16_t port = 0;
  for (auto [version, p] : svr.Server.Bindings())
    if (version == service::TIdIPVersion::Id_IPv4) port = p;
  bench::TReferenceServer reference_server(0, svr.Server.ListenQueue);
  const uint16_t reference_port = reference_server.Port();

  const std::string prefix = "saveSettings bench.ini:";
  const std::string text = SettingsText(service::kMaxRequestLine - prefix.size());
  const std::string save = prefix + text + "\n";
  const std::string read = "readSettings bench.ini\n";
  const std::string reference = std::string(service::kMaxRequestLine, 'x') + "\n";
  std::printf("request line %zu bytes, file %zu bytes, %d rounds, folder %s\n", save.size() - 1,
              service::settings::WireToFile(text).size(), rounds, folder.string().c_str());
  Check(Exchange(port, save) == "OK\r\n", "save failed");
  Check(Exchange(port, read) == text + "\r\n", "read differs");
  Check(Exchange(port, reference) == "ungueltige Eingabe\r\n", "reference differs");
  Check(Exchange(reference_port, reference) == "ungueltige Eingabe\r\n",
        "reference server differs");

  // The requests in turns, so that each round meets the same load.
  std::vector<double> server_ms, line_ratio, ref_ms, read_ms, save_ms, flush_ms, unflushed_ms,
      read_ratio, save_ratio;
  for (int i = 0; i < rounds; ++i) {
    const double s = Time([&] { Exchange(reference_port, reference); });
    const double r = Time([&] { Exchange(port, reference); });
    const double rd = Time([&] { Exchange(port, read); });
    files.FlushTime = {};
    const double sv = Time([&] { Exchange(port, save); });
    const double fl = Ms(files.FlushTime);
    server_ms.push_back(s);
    line_ratio.push_back(r / s);
    ref_ms.push_back(r);
    read_ms.push_back(rd);
    save_ms.push_back(sv);
    flush_ms.push_back(fl);
    unflushed_ms.push_back(sv - fl);
    read_ratio.push_back(rd / r);
    save_ratio.push_back((sv - fl) / r);
  }
  svr.Server.SetActive(false);

  std::printf("median of %d rounds, milliseconds:\n", rounds);
  std::printf("  reference server: 1 MiB line                 %8.3f\n", Median(server_ms));
  std::printf("  reference: 1 MiB line -> ungueltige Eingabe  %8.3f  (%.2f x reference server)\n",
              Median(ref_ms), Median(line_ratio));
  std::printf("  read of the 1 MiB file                       %8.3f  (%.2f x reference)\n",
              Median(read_ms), Median(read_ratio));
  std::printf("  save of 1 MiB, all of it                     %8.3f\n", Median(save_ms));
  std::printf("    of which flushes (file and folder)         %8.3f\n", Median(flush_ms));
  std::printf("    without the flushes                        %8.3f  (%.2f x reference)\n",
              Median(unflushed_ms), Median(save_ratio));

  // The conversions alone: linear means 4 MiB costs about four times 1 MiB.
  for (std::size_t mib : {1, 4, 16}) {
    const std::string wire = SettingsText(mib << 20);
    const std::string file = service::settings::WireToFile(wire);
    std::vector<double> to_file, to_wire;
    for (int i = 0; i < rounds; ++i) {
      to_file.push_back(Time([&] { service::settings::WireToFile(wire); }));
      to_wire.push_back(Time([&] { service::settings::FileToWire(file); }));
    }
    std::printf("  conversions at %zu MiB: wire->file %.3f, file->wire %.3f\n", mib,
                Median(to_file), Median(to_wire));
  }
  if (own_folder) fs::remove_all(folder);
  return 0;
}
