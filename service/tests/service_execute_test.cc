// ServiceExecute with an injected configuration, run by the service state
// machine against the recording fake: the port, the client settings folder,
// a failed load, a port in use, and pause with requests still answered.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include "platform/socket.h"
#include "service/quillory_svr.h"
#include "service/tests/recording_host.h"
#include "service/tests/test_client.h"

namespace service {
namespace {

namespace fs = std::filesystem;
using testing::TRecordingHost;

class TFakeSettings : public TServiceSettings {
 public:
  bool LoadResult = true;
  int32_t ConfiguredPort = 0;
  std::string Folder;
  int Loads = 0;

  bool LoadFromReg() override {
    ++Loads;
    return LoadResult;
  }
  int32_t Port() const override { return ConfiguredPort; }
  std::string ClientSettingsDir() const override { return Folder; }
};

class TTestSvr : public TQuillorySvr {
 public:
  TTestSvr() {
    HostByAddress = [](const std::string&) { return std::string("localhost"); };
    QuillorySvr = this;
  }
  ~TTestSvr() override { QuillorySvr = nullptr; }
  void LogMessage(const std::string& AMessage) override { Log.Add(AMessage); }
  testing::TRecordedLog Log;
};

// A port that was free a moment ago.
uint16_t FreePort() {
  return platform::TSocket::Listen(platform::TAddressFamily::IPv4, 0, 1).LocalPort();
}

class ServiceExecute : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    FTemp = fs::temp_directory_path() / (std::string("quillory-execute-") + info->name());
    fs::remove_all(FTemp);
    fs::create_directories(FTemp);
    svr.Settings = &settings;
    svr.SetHost(host, TLogTarget::Terminal);
  }
  void TearDown() override {
    Stop();
    fs::remove_all(FTemp);
  }

  void Start() {
    FThread = std::thread([this] { svr.Main({"QuillorySvr"}); });
  }
  void Stop() {
    if (!FThread.joinable()) return;
    if (host.Reports().empty() || host.Reports().back().CurrentState != TServiceState::Stopped) {
      ASSERT_TRUE(host.WaitForState(TServiceState::Running));
      host.Control(platform::kControlStop);
    }
    FThread.join();
  }
  // getVersion answered on APort, tried for a while as the listener opens.
  bool Answers(uint16_t APort) {
    for (int i = 0; i < 200; ++i) {
      try {
        return testing::Exchange(APort, "getVersion\n") == std::string("2.0.0.56\r\n");
      } catch (const platform::ESocketError&) {
        std::this_thread::sleep_for(std::chrono::milliseconds(25));
      }
    }
    return false;
  }

  TRecordingHost host;
  TFakeSettings settings;
  TTestSvr svr;
  fs::path FTemp;
  std::thread FThread;
};

TEST_F(ServiceExecute, PortTakesTheLowSixteenBits) {
  settings.ConfiguredPort = 70000;  // 70000 - 65536
  Start();
  EXPECT_TRUE(Answers(4464));
}

TEST_F(ServiceExecute, MissingFolderIsCreatedWithItsParents) {
  const fs::path folder = FTemp / "a" / "b" / "ClientConfig";
  settings.Folder = folder.string();
  settings.ConfiguredPort = FreePort();
  Start();
  ASSERT_TRUE(Answers(static_cast<uint16_t>(settings.ConfiguredPort)));
  EXPECT_TRUE(fs::is_directory(folder));
  EXPECT_EQ(svr.ClientSettingsDir, folder.string());
}

// The temporary files of saves a crash cut short go at the start; the
// clients' files stay.
TEST_F(ServiceExecute, StartRemovesTemporaryFilesLeftByACrash) {
  const fs::path folder = FTemp / "clients";
  fs::create_directories(folder);
  std::ofstream(folder / ".~save-00000000000000ff.tmp") << "half";
  std::ofstream(folder / "ws") << "kept";
  settings.Folder = folder.string();
  settings.ConfiguredPort = FreePort();
  Start();
  ASSERT_TRUE(Answers(static_cast<uint16_t>(settings.ConfiguredPort)));
  EXPECT_FALSE(fs::exists(folder / ".~save-00000000000000ff.tmp"));
  EXPECT_TRUE(fs::exists(folder / "ws"));
}

TEST_F(ServiceExecute, UncreatableFolderStillServes) {
  std::ofstream(FTemp / "file") << "x";  // a file where a folder would have to be
  settings.Folder = (FTemp / "file" / "ClientConfig").string();
  settings.ConfiguredPort = FreePort();
  Start();
  EXPECT_TRUE(Answers(static_cast<uint16_t>(settings.ConfiguredPort)));
  EXPECT_FALSE(fs::exists(settings.Folder));
}

TEST_F(ServiceExecute, FailedLoadBindsNothingAndStops) {
  settings.LoadResult = false;
  settings.ConfiguredPort = FreePort();
  Start();
  ASSERT_TRUE(host.WaitForState(TServiceState::Stopped));
  FThread.join();
  EXPECT_EQ(settings.Loads, 1);
  EXPECT_THROW(
      platform::TSocket::Connect("127.0.0.1", static_cast<uint16_t>(settings.ConfiguredPort)),
      platform::ESocketError);
  EXPECT_EQ(host.Reports().size(), 4u);  // start pending twice, running, stopped
  EXPECT_TRUE(svr.Log.Entries().empty());
}

TEST_F(ServiceExecute, PortInUseStartsStopsAndLogs) {
  platform::TSocket taken = platform::TSocket::Listen(platform::TAddressFamily::IPv4, 0, 1);
  settings.ConfiguredPort = taken.LocalPort();
  Start();
  ASSERT_TRUE(host.WaitForState(TServiceState::Stopped));
  FThread.join();
  const auto reports = host.Reports();
  ASSERT_EQ(reports.size(), 4u);
  EXPECT_EQ(reports[2].CurrentState, TServiceState::Running);
  EXPECT_EQ(svr.Log.Entries(),
            std::vector<std::string>{
                "Service fehlgeschlagen bei execute:Could not bind socket. Address and port are "
                "already in use."});
  EXPECT_FALSE(svr.Server.Active());
}

TEST_F(ServiceExecute, PausedServiceStillAnswers) {
  settings.ConfiguredPort = FreePort();
  const auto port = static_cast<uint16_t>(settings.ConfiguredPort);
  Start();
  ASSERT_TRUE(Answers(port));
  host.Control(platform::kControlPause);
  ASSERT_TRUE(host.WaitForState(TServiceState::Paused));
  EXPECT_TRUE(Answers(port));
  host.Control(platform::kControlContinue);
  ASSERT_TRUE(host.WaitForState(TServiceState::Running));
  EXPECT_TRUE(Answers(port));
  host.Control(platform::kControlStop);
  ASSERT_TRUE(host.WaitForState(TServiceState::Stopped));
  FThread.join();
  EXPECT_THROW(platform::TSocket::Connect("127.0.0.1", port), platform::ESocketError);
}

}  // namespace
}  // namespace service
