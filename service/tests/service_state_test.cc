// The service state machine against a recording fake of the service control
// manager: the reports of whole control sequences, failing actions, and the
// requests that must be dropped.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "platform/system_error.h"
#include "service/host/service.h"
#include "service/tests/recording_host.h"

namespace service {
namespace {

using platform::kControlContinue;
using platform::kControlInterrogate;
using platform::kControlPause;
using platform::kControlShutdown;
using platform::kControlStop;
using testing::TRecordingHost;

class TTestService : public TService {
 public:
  TTestService() : TService("TestSvc") { gCurrent = this; }
  ~TTestService() override { gCurrent = nullptr; }
  platform::TControlHandler GetServiceController() override { return &Dispatch; }
  void LogMessage(const std::string& AMessage) override { Log.Add(AMessage); }

  testing::TRecordedLog Log;

 private:
  static void Dispatch(uint32_t ACode) {
    if (gCurrent != nullptr) gCurrent->Controller(ACode);
  }
  static inline TTestService* gCurrent = nullptr;
};

// "state/checkpoint/accepted controls" of one report.
std::string Show(const platform::TServiceStatus& AStatus) {
  static const char* const kNames[] = {
      "?",       "stopped",          "start pending", "stop pending",
      "running", "continue pending", "pause pending", "paused"};
  EXPECT_EQ(AStatus.ServiceType, 0x10u);
  EXPECT_EQ(AStatus.WaitHint, 5000u);
  EXPECT_EQ(AStatus.Win32ExitCode, 0u);
  return std::string(kNames[static_cast<int>(AStatus.CurrentState)]) + "/" +
         std::to_string(AStatus.CheckPoint) + "/" + std::to_string(AStatus.ControlsAccepted);
}

std::vector<std::string> Show(const std::vector<platform::TServiceStatus>& AReports) {
  std::vector<std::string> out;
  for (const auto& r : AReports) out.push_back(Show(r));
  return out;
}

const std::vector<std::string> kStart = {"start pending/1/0", "start pending/2/0", "running/0/7"};

// Runs one start of AService against AHost on a thread of its own, as the
// service control manager's service-main thread would.
class TStart {
 public:
  TStart(TService& AService, TRecordingHost& AHost)
      : FThread((AService.SetHost(AHost, TLogTarget::Terminal),
                 std::thread([&AService] { AService.Main({"TestSvc"}); }))) {}
  ~TStart() { FThread.join(); }

 private:
  std::thread FThread;
};

struct TStep {
  uint32_t Code;
  std::vector<std::string> Reports;  // what this request adds
  bool WaitBefore = true;            // wait for the previous step's reports first
};

struct TSequenceCase {
  const char* Name;
  std::vector<TStep> Steps;
};

class ServiceSequence : public ::testing::TestWithParam<TSequenceCase> {};

TEST_P(ServiceSequence, ReportsEveryStateInOrder) {
  TRecordingHost host;
  TTestService service;
  std::vector<std::string> expected = kStart;
  {
    TStart start(service, host);
    ASSERT_TRUE(host.WaitForState(TServiceState::Running));
    for (const TStep& step : GetParam().Steps) {
      if (step.WaitBefore) {
        ASSERT_TRUE(host.WaitForReports(expected.size()));
      }
      host.Control(step.Code);
      expected.insert(expected.end(), step.Reports.begin(), step.Reports.end());
    }
  }
  EXPECT_EQ(Show(host.Reports()), expected);
  EXPECT_TRUE(service.Log.Entries().empty());
  EXPECT_EQ(host.RegisteredName(), "TestSvc");
  EXPECT_EQ(service.Params(), std::vector<std::string>{"TestSvc"});
}

const std::vector<std::string> kStopped = {"stop pending/0/7", "stopped/0/7"};
const std::vector<std::string> kPaused = {"pause pending/0/7", "paused/0/7"};
const std::vector<std::string> kResumed = {"continue pending/0/7", "running/0/7"};

INSTANTIATE_TEST_SUITE_P(
    Controls, ServiceSequence,
    ::testing::Values(
        TSequenceCase{"Stop", {{kControlStop, kStopped}}},
        TSequenceCase{
            "PauseContinueStop",
            {{kControlPause, kPaused}, {kControlContinue, kResumed}, {kControlStop, kStopped}}},
        TSequenceCase{"StopWhilePaused", {{kControlPause, kPaused}, {kControlStop, kStopped}}},
        // The continue may arrive before the paused thread has parked.
        TSequenceCase{"ContinueRightAfterPause",
                      {{kControlPause, kPaused},
                       {kControlContinue, kResumed, false},
                       {kControlStop, kStopped}}},
        TSequenceCase{"InterrogateWhileRunning",
                      {{kControlInterrogate, {"running/0/7"}}, {kControlStop, kStopped}}},
        TSequenceCase{"InterrogateWhilePaused",
                      {{kControlPause, kPaused},
                       {kControlInterrogate, {"paused/0/7"}},
                       {kControlContinue, kResumed},
                       {kControlStop, kStopped}}},
        TSequenceCase{"Shutdown", {{kControlShutdown, kStopped}}},
        TSequenceCase{"UnknownCodeChangesNothing", {{200, {}}, {kControlStop, kStopped}}}),
    [](const auto& AInfo) { return std::string(AInfo.param.Name); });

// An action whose hook fails: the state from before is restored (except for
// shutdown) and the failure is logged with the action's word.
struct TFailureCase {
  const char* Name;
  uint32_t Failing;
  std::vector<uint32_t> Codes;
  std::vector<std::string> Reports;  // after the start
  std::string Entry;
};

class ServiceFailingAction : public ::testing::TestWithParam<TFailureCase> {};

TEST_P(ServiceFailingAction, RestoresTheStateAndLogs) {
  const TFailureCase& c = GetParam();
  TRecordingHost host;
  TTestService service;
  auto fail = [&](uint32_t ACode) {
    return [&, ACode](TService&) -> bool {
      if (c.Failing == ACode) throw std::runtime_error("boom");
      return true;
    };
  };
  service.OnStop = fail(kControlStop);
  service.OnPause = fail(kControlPause);
  service.OnContinue = fail(kControlContinue);
  service.OnShutdown = [&](TService& s) { fail(kControlShutdown)(s); };
  std::vector<std::string> expected = kStart;
  expected.insert(expected.end(), c.Reports.begin(), c.Reports.end());
  {
    TStart start(service, host);
    ASSERT_TRUE(host.WaitForState(TServiceState::Running));
    for (uint32_t code : c.Codes) host.Control(code);
    ASSERT_TRUE(host.WaitForReports(expected.size()));
    if (host.Reports().back().CurrentState != TServiceState::Stopped)
      host.Control(kControlShutdown);
    ASSERT_TRUE(host.WaitForState(TServiceState::Stopped));
  }
  std::vector<std::string> reports = Show(host.Reports());
  reports.resize(expected.size());
  EXPECT_EQ(reports, expected);
  EXPECT_EQ(service.Log.Entries(), std::vector<std::string>{c.Entry});
}

INSTANTIATE_TEST_SUITE_P(Hooks, ServiceFailingAction,
                         ::testing::Values(TFailureCase{"Stop",
                                                        kControlStop,
                                                        {kControlStop},
                                                        {"stop pending/0/7", "running/0/7"},
                                                        "Service fehlgeschlagen bei stop:boom"},
                                           TFailureCase{"Pause",
                                                        kControlPause,
                                                        {kControlPause},
                                                        {"pause pending/0/7", "running/0/7"},
                                                        "Service fehlgeschlagen bei Pause:boom"},
                                           TFailureCase{"Continue",
                                                        kControlContinue,
                                                        {kControlPause, kControlContinue},
                                                        {"pause pending/0/7", "paused/0/7",
                                                         "continue pending/0/7", "paused/0/7"},
                                                        "Service fehlgeschlagen bei Weiter:boom"},
                                           TFailureCase{
                                               "ShutdownStillStops",
                                               kControlShutdown,
                                               {kControlShutdown},
                                               {"stop pending/0/7", "stopped/0/7"},
                                               "Service fehlgeschlagen bei shutdown:boom"}),
                         [](const auto& AInfo) { return std::string(AInfo.param.Name); });

TEST(Service, ControlBeforeTheServiceThreadExistsIsDropped) {
  TRecordingHost host;
  TTestService service;
  service.SetHost(host, TLogTarget::Terminal);
  service.Controller(kControlStop);  // no service thread yet
  TStart start(service, host);
  ASSERT_TRUE(host.WaitForState(TServiceState::Running));
  host.Control(kControlInterrogate);
  ASSERT_TRUE(host.WaitForReports(4));
  EXPECT_EQ(Show(host.Reports()).back(), "running/0/7");
  host.Control(kControlStop);
}

TEST(Service, ExecuteErrorIsLoggedAndTheServiceStops) {
  TRecordingHost host;
  TTestService service;
  service.OnExecute = [](TService&) { throw std::runtime_error("kaputt"); };
  { TStart start(service, host); }
  std::vector<std::string> expected = kStart;
  expected.push_back("stopped/0/7");
  EXPECT_EQ(Show(host.Reports()), expected);
  EXPECT_EQ(service.Log.Entries(),
            std::vector<std::string>{"Service fehlgeschlagen bei execute:kaputt"});
  EXPECT_TRUE(service.Failed());
}

TEST(Service, ExecuteReturningByItselfStopsWithoutStopPending) {
  TRecordingHost host;
  TTestService service;
  service.OnExecute = [](TService&) {};
  { TStart start(service, host); }
  std::vector<std::string> expected = kStart;
  expected.push_back("stopped/0/7");
  EXPECT_EQ(Show(host.Reports()), expected);
  EXPECT_FALSE(service.Failed());
}

TEST(Service, FailedRegistrationReportsNothing) {
  TRecordingHost host;
  host.FailRegistration = true;
  TTestService service;
  { TStart start(service, host); }
  EXPECT_TRUE(host.Reports().empty());
  EXPECT_EQ(service.Log.Entries(), std::vector<std::string>{platform::SystemErrorMessage(5)});
}

TEST(Service, FailedReportsAreLoggedAndTheServiceGoesOn) {
  TRecordingHost host;
  host.FailReports = true;
  TTestService service;
  {
    TStart start(service, host);
    ASSERT_TRUE(host.WaitForState(TServiceState::Running));
    host.Control(kControlStop);
  }
  EXPECT_EQ(host.Reports().size(), 5u);
  EXPECT_EQ(service.Log.Entries(), std::vector<std::string>(5, platform::SystemErrorMessage(6)));
}

}  // namespace
}  // namespace service
