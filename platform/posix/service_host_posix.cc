// The POSIX service host. The service runs in the foreground of the process;
// signals stand in for the control requests of a service control manager:
//
//   SIGTERM, SIGINT  stop        SIGUSR1  pause        SIGUSR2  continue
//
// The calling thread of RunDispatcher blocks these signals (every thread
// started later inherits that) and takes them one by one with sigwait, so
// the control handler runs on an ordinary thread, never in a signal handler.
// Under systemd (Type=notify) status changes go to $NOTIFY_SOCKET; in the
// console host they are printed to standard error.
#include <pthread.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/service_control.h"
#include "platform/thread.h"

namespace platform {

namespace {

// Sent by the service-main thread to wake the dispatcher when it is done.
constexpr int kDoneSignal = SIGALRM;

const char* StateName(TServiceState AState) {
  switch (AState) {
    case TServiceState::Stopped:
      return "stopped";
    case TServiceState::StartPending:
      return "start pending";
    case TServiceState::StopPending:
      return "stop pending";
    case TServiceState::Running:
      return "running";
    case TServiceState::ContinuePending:
      return "continue pending";
    case TServiceState::PausePending:
      return "pause pending";
    case TServiceState::Paused:
      return "paused";
  }
  return "unknown";
}

// Sends AMessage to systemd's notification socket, when there is one.
void NotifySystemd(const std::string& AMessage) {
  const char* path = std::getenv("NOTIFY_SOCKET");
  if (path == nullptr || (path[0] != '/' && path[0] != '@')) return;
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  const std::size_t length = std::strlen(path);
  if (length >= sizeof address.sun_path) return;
  std::memcpy(address.sun_path, path, length);
  if (address.sun_path[0] == '@') address.sun_path[0] = '\0';  // abstract namespace
  int fd = socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return;
  sendto(fd, AMessage.data(), AMessage.size(), MSG_NOSIGNAL, reinterpret_cast<sockaddr*>(&address),
         static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + length));
  close(fd);
}

class TPosixServiceHost : public TServiceHost {
 public:
  explicit TPosixServiceHost(THostKind AKind) : FKind(AKind) {}

  uint32_t RunDispatcher(const std::string& AName, TServiceMain AServiceMain) override {
    FName = AName;
    sigset_t signals;
    sigemptyset(&signals);
    for (int s : {SIGTERM, SIGINT, SIGUSR1, SIGUSR2, kDoneSignal}) sigaddset(&signals, s);
    // Blocked for good: a wake-up still pending after the loop must not end
    // the process with the default action.
    pthread_sigmask(SIG_BLOCK, &signals, nullptr);

    std::atomic<bool> done{false};
    const pthread_t dispatcher = pthread_self();
    TThread serviceMain(
        [&] {
          AServiceMain({AName});
          done = true;
          pthread_kill(dispatcher, kDoneSignal);
        },
        256 * 1024);
    for (;;) {
      int signal = 0;
      if (sigwait(&signals, &signal) != 0) continue;
      if (signal == kDoneSignal) {
        if (done) break;
        continue;
      }
      TControlHandler handler = FHandler.load();
      if (handler == nullptr) continue;  // not registered yet: dropped
      if (signal == SIGTERM || signal == SIGINT) handler(kControlStop);
      if (signal == SIGUSR1) handler(kControlPause);
      if (signal == SIGUSR2) handler(kControlContinue);
    }
    serviceMain.Join();
    return 0;
  }

  void RegisterControlHandler(const std::string&, TControlHandler AHandler) override {
    FHandler = AHandler;
  }

  void SetStatus(const TServiceStatus& AStatus) override {
    if (FKind == THostKind::Console) {
      std::fprintf(stderr, "%s: %s\n", FName.c_str(), StateName(AStatus.CurrentState));
      std::fflush(stderr);
      return;
    }
    std::string message = std::string("STATUS=") + StateName(AStatus.CurrentState);
    if (AStatus.CurrentState == TServiceState::Running) message += "\nREADY=1";
    if (AStatus.CurrentState == TServiceState::StopPending) message += "\nSTOPPING=1";
    NotifySystemd(message + "\n");
  }

 private:
  const THostKind FKind;
  std::string FName;
  std::atomic<TControlHandler> FHandler{nullptr};
};

}  // namespace

std::unique_ptr<TServiceHost> MakeServiceHost(THostKind AKind) {
  return std::make_unique<TPosixServiceHost>(AKind);
}

}  // namespace platform
