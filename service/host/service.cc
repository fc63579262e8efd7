#include "service/host/service.h"

#include <exception>

#include "platform/system_error.h"
#include "platform/thread.h"

namespace service {

namespace {

bool IsPending(TServiceState AState) {
  return AState == TServiceState::StartPending || AState == TServiceState::StopPending ||
         AState == TServiceState::ContinuePending || AState == TServiceState::PausePending;
}

// The word an action's failure is logged with.
const char* ActionWord(uint32_t ACode) {
  switch (ACode) {
    case platform::kControlStop:
      return "stop";
    case platform::kControlPause:
      return "Pause";
    case platform::kControlContinue:
      return "Weiter";
    case platform::kControlInterrogate:
      return "interrogate";
    case platform::kControlShutdown:
      return "shutdown";
  }
  return "";
}

bool Allowed(const TService::TAllowEvent& AEvent, TService& ASender) {
  return !AEvent || AEvent(ASender);
}

}  // namespace

TService::TService(std::string AName) : FName(std::move(AName)) {}

TService::~TService() = default;

void TService::SetHost(platform::TServiceHost& AHost, TLogTarget ALogTarget) {
  FHost = &AHost;
  FLogTarget = ALogTarget;
}

void TService::LogMessage(const std::string& AMessage) {
  std::call_once(FLoggerOnce,
                 [this] { FLogger = std::make_unique<TEventLogger>(FName, FLogTarget); });
  FLogger->LogMessage(AMessage);
}

void TService::SetStatus(TServiceState AState) {
  FStatus = AState;
  ReportStatus();
}

void TService::ReportStatus() {
  platform::TServiceStatus status;
  {
    platform::TMutexLock lock(FReportLock);
    status.CurrentState = FStatus;
    if (status.CurrentState != TServiceState::StartPending) {
      status.ControlsAccepted = (AllowStop ? platform::kAcceptStop : 0) |
                                (AllowPause ? platform::kAcceptPauseContinue : 0) |
                                platform::kAcceptShutdown;
    }
    status.WaitHint = WaitHint;
    status.CheckPoint = IsPending(status.CurrentState) && status.CurrentState == FLastState
                            ? FLastCheckPoint + 1
                            : 0;
    FLastState = status.CurrentState;
    FLastCheckPoint = status.CheckPoint;
    try {
      FHost->SetStatus(status);
      return;
    } catch (const platform::ESystemError& e) {
      status.Win32ExitCode = e.Code();  // logged below, outside the lock
    }
  }
  LogMessage(platform::SystemErrorMessage(status.Win32ExitCode));
}

void TService::Controller(uint32_t ACode) {
  platform::TMutexLock lock(FQueueLock);
  if (FQueue != nullptr) FQueue->Post(ACode);  // also ends a pause (Park)
}

platform::TThreadQueue& TService::OwnQueue() {
  platform::TMutexLock lock(FQueueLock);
  return *FQueue;
}

void TService::ProcessRequests(bool AWaitForMessage) {
  for (;;) {
    if (FTerminated && AWaitForMessage) return;
    std::optional<uint32_t> code = OwnQueue().Take(AWaitForMessage);
    if (!code) return;
    DoControl(*code);
  }
}

void TService::DoControl(uint32_t ACode) {
  const TServiceState before = FStatus;
  try {
    switch (ACode) {
      case platform::kControlStop:
        SetStatus(TServiceState::StopPending);
        if (Allowed(OnStop, *this)) {
          FTerminated = true;
        } else {
          SetStatus(before);
        }
        break;
      case platform::kControlPause:
        SetStatus(TServiceState::PausePending);
        if (Allowed(OnPause, *this)) {
          SetStatus(TServiceState::Paused);
          // Parked until the next request is queued: the continue (or a
          // stop) that the control dispatch posts. A request posted before
          // the thread parks still ends the pause, so none is lost.
          OwnQueue().Park();
        } else {
          SetStatus(before);
        }
        break;
      case platform::kControlContinue:
        SetStatus(TServiceState::ContinuePending);
        SetStatus(Allowed(OnContinue, *this) ? TServiceState::Running : before);
        break;
      case platform::kControlInterrogate:
        ReportStatus();
        break;
      case platform::kControlShutdown:
        SetStatus(TServiceState::StopPending);
        // The machine goes down whatever the hook does: terminate first.
        FTerminated = true;
        if (OnShutdown) OnShutdown(*this);
        break;
      default:
        break;
    }
  } catch (const std::exception& e) {
    if (ACode != platform::kControlShutdown) SetStatus(before);
    LogMessage(ServiceFailedText(ActionWord(ACode), e.what()));
  }
}

void TService::Main(const std::vector<std::string>& AArgs) {
  FParams.insert(FParams.end(), AArgs.begin(), AArgs.end());
  try {
    FHost->RegisterControlHandler(FName, GetServiceController());
  } catch (const platform::ESystemError& e) {
    FFailed = true;
    LogMessage(platform::SystemErrorMessage(e.Code()));
    return;
  }
  try {
    SetStatus(TServiceState::StartPending);
    platform::TThread thread([this] { ServiceThreadBody(); }, kServiceThreadStack);
    thread.Join();
  } catch (const std::exception& e) {
    FFailed = true;
    LogMessage(ServiceFailedText("execute", e.what()));
  }
  SetStatus(TServiceState::Stopped);
}

void TService::ServiceThreadBody() {
  try {
    platform::TThreadQueue queue;  // before anything else: requests may come now
    {
      platform::TMutexLock lock(FQueueLock);
      FQueue = &queue;
      FTerminated = false;
    }
    struct TDetach {
      TService& Service;
      ~TDetach() {
        platform::TMutexLock lock(Service.FQueueLock);
        Service.FQueue = nullptr;
      }
    } detach{*this};

    SetStatus(TServiceState::StartPending);
    SetStatus(TServiceState::Running);
    if (OnExecute) {
      OnExecute(*this);
    } else {
      ProcessRequests(true);
    }
    ProcessRequests(false);
  } catch (const std::exception& e) {
    FFailed = true;
    LogMessage(ServiceFailedText("execute", e.what()));
  }
}

}  // namespace service
