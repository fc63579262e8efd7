#include "configurator/logic/service_control.h"

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "configurator/tests/fake_clock.h"

namespace configurator {
namespace {

using platform::TServiceState;
using platform::TServiceStatus;
using std::chrono::milliseconds;
using TState = TServiceState;

// A scripted service manager: each query answers the next scripted status
// (nullopt: the query fails); the last one repeats. Handles log their closing
// so the order can be checked.
struct TScript {
  bool ManagerReachable = true;
  bool Installed = true;
  bool StartAccepted = true;
  bool StopAccepted = true;
  std::optional<TServiceStatus> StopAnswer;
  std::deque<std::optional<TServiceStatus>> Queries;
  std::vector<std::string> Log;
};

class TFakeService final : public platform::TServiceHandle {
 public:
  explicit TFakeService(TScript& AScript) : FScript(AScript) {}
  ~TFakeService() override { FScript.Log.push_back("close service"); }
  std::optional<TServiceStatus> Query() override {
    FScript.Log.push_back("query");
    if (FScript.Queries.empty()) return std::nullopt;
    std::optional<TServiceStatus> next = FScript.Queries.front();
    if (FScript.Queries.size() > 1) FScript.Queries.pop_front();
    return next;
  }
  bool Start() override {
    FScript.Log.push_back("start");
    return FScript.StartAccepted;
  }
  std::optional<TServiceStatus> Stop(bool& ASucceeded) override {
    FScript.Log.push_back("stop");
    ASucceeded = FScript.StopAccepted;
    return FScript.StopAnswer;
  }

 private:
  TScript& FScript;
};

class TFakeConnection final : public platform::TServiceManagerConnection {
 public:
  explicit TFakeConnection(TScript& AScript) : FScript(AScript) {}
  ~TFakeConnection() override { FScript.Log.push_back("close manager"); }
  std::unique_ptr<platform::TServiceHandle> Open(const std::string& AName,
                                                 uint32_t AAccess) override {
    FScript.Log.push_back("open " + AName + " " + std::to_string(AAccess));
    if (!FScript.Installed) return nullptr;
    return std::make_unique<TFakeService>(FScript);
  }

 private:
  TScript& FScript;
};

class TFakeManager final : public platform::TServiceControlManager {
 public:
  explicit TFakeManager(TScript& AScript) : FScript(AScript) {}
  std::unique_ptr<platform::TServiceManagerConnection> Connect() override {
    if (!FScript.ManagerReachable) return nullptr;
    return std::make_unique<TFakeConnection>(FScript);
  }

 private:
  TScript& FScript;
};

TServiceStatus Status(TState AState, uint32_t ACheckPoint = 0, uint32_t AWaitHint = 0) {
  TServiceStatus status;
  status.CurrentState = AState;
  status.CheckPoint = ACheckPoint;
  status.WaitHint = AWaitHint;
  return status;
}

class ServiceControlTest : public ::testing::Test {
 protected:
  TScript Script;
  TFakeManager Manager{Script};
  testing::TFakeClock Clock;
  TServiceController Controller{Manager, Clock};
};

TEST_F(ServiceControlTest, IsRunningAsksForTheStateOnlyAndClosesServiceFirst) {
  Script.Queries = {Status(TState::Running)};
  EXPECT_TRUE(Controller.ServiceIsRunning());
  EXPECT_EQ(Script.Log, (std::vector<std::string>{"open QuillorySvr 4", "query", "close service",
                                                  "close manager"}));
  Script.Queries = {Status(TState::StartPending)};
  EXPECT_FALSE(Controller.ServiceIsRunning());
  Script.Queries = {std::nullopt};
  EXPECT_FALSE(Controller.ServiceIsRunning());
  Script.Installed = false;
  EXPECT_FALSE(Controller.ServiceIsRunning());
  Script.ManagerReachable = false;
  EXPECT_FALSE(Controller.ServiceIsRunning());
}

TEST_F(ServiceControlTest, StartWaitsOneFullHintPerPassWhileTheCheckpointGrows) {
  Script.Queries = {Status(TState::StartPending, 1, 2000), Status(TState::StartPending, 2, 3000),
                    Status(TState::StartPending, 2, 500), Status(TState::Running)};
  EXPECT_TRUE(Controller.ServiceStartAndWait());
  EXPECT_EQ(Clock.Sleeps,
            (std::vector<milliseconds>{milliseconds(2000), milliseconds(3000), milliseconds(500)}));
  EXPECT_EQ(Script.Log.front(), "open QuillorySvr 20");
}

TEST_F(ServiceControlTest, StartEndsTheWaitWhenTheCheckpointFalls) {
  Script.Queries = {Status(TState::StartPending, 5, 100), Status(TState::StartPending, 4, 100),
                    Status(TState::Running)};
  EXPECT_FALSE(Controller.ServiceStartAndWait());
  EXPECT_EQ(Clock.Sleeps.size(), 1u);
}

TEST_F(ServiceControlTest, FailedQueryDuringTheWaitKeepsTheLastStateObtained) {
  Script.Queries = {Status(TState::StopPending, 1, 100), std::nullopt};
  Script.StopAnswer = Status(TState::Running);
  EXPECT_FALSE(Controller.ServiceStopAndWait());  // stop pending: no longer counted as running
  EXPECT_EQ(Clock.Sleeps.size(), 1u);
}

TEST_F(ServiceControlTest, OverallLimitEndsAWaitThatNeverFinishes) {
  Script.Queries = {Status(TState::StartPending, 1, 7000)};  // repeats for ever
  EXPECT_FALSE(Controller.ServiceStartAndWait());            // still pending: not running
  EXPECT_EQ(Clock.Now, TServiceController::kDefaultWaitLimit);

  // A stop whose service never leaves the running state with a growing
  // checkpoint: at the limit the last state obtained decides, and the
  // service still runs, so the light is green.
  Script.Queries = {Status(TState::Running, 1, 0)};
  Clock.Sleeps.clear();
  EXPECT_TRUE(Controller.ServiceStopAndWait());
  EXPECT_GE(Clock.Sleeps.size(), 2u);
  for (milliseconds sleep : Clock.Sleeps) EXPECT_GE(sleep, TServiceController::kMinPollInterval);
}

TEST_F(ServiceControlTest, RefusedStartOrFailedFirstQueryMeansNoWaitAndFailure) {
  Script.StartAccepted = false;
  Script.Queries = {Status(TState::Running)};  // already runs: the start is refused
  EXPECT_FALSE(Controller.ServiceStartAndWait());
  Script.StartAccepted = true;
  Script.Queries = {std::nullopt};
  EXPECT_FALSE(Controller.ServiceStartAndWait());
  Script.Installed = false;
  EXPECT_FALSE(Controller.ServiceStartAndWait());
  EXPECT_TRUE(Clock.Sleeps.empty());
}

TEST_F(ServiceControlTest, StopOfAStoppedServiceIsRefusedWithoutAWait) {
  Script.StopAccepted = false;
  Script.StopAnswer = Status(TState::Stopped);
  EXPECT_FALSE(Controller.ServiceStopAndWait());
  EXPECT_TRUE(Clock.Sleeps.empty());
  EXPECT_EQ(Script.Log, (std::vector<std::string>{"open QuillorySvr 36", "stop", "close service",
                                                  "close manager"}));
}

TEST_F(ServiceControlTest, RefusedStopReportsTheStateTheManagerReturned) {
  Script.StopAccepted = false;
  Script.StopAnswer = Status(TState::Running);
  EXPECT_TRUE(Controller.ServiceStopAndWait());  // still running: green
  Script.StopAnswer.reset();
  EXPECT_FALSE(Controller.ServiceStopAndWait());
}

TEST_F(ServiceControlTest, StopWaitsUntilStopped) {
  Script.StopAnswer = Status(TState::StopPending, 0, 0);
  Script.Queries = {Status(TState::StopPending, 1, 1000), Status(TState::Stopped)};
  EXPECT_FALSE(Controller.ServiceStopAndWait());
  EXPECT_EQ(Clock.Sleeps, std::vector<milliseconds>{milliseconds(1000)});
}

}  // namespace
}  // namespace configurator
