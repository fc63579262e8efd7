// Error entries go to syslog (daemon facility). Outside the systemd journal
// they are also written to standard error, so that a service run by hand or
// by a test shows them.
#include <syslog.h>

#include <cstdio>
#include <cstdlib>
#include <mutex>

#include "platform/event_log.h"

namespace platform {

struct TEventLog::TImpl {};

namespace {

// openlog's identity is process-wide; entries of different sources must not
// interleave with another source's identity.
std::mutex& SyslogLock() {
  static std::mutex lock;
  return lock;
}

}  // namespace

TEventLog::TEventLog(std::string ASource) : FSource(std::move(ASource)) {}

TEventLog::~TEventLog() = default;

void TEventLog::ReportError(const std::string& AMessage) {
  {
    std::lock_guard<std::mutex> lock(SyslogLock());
    openlog(FSource.c_str(), LOG_PID, LOG_DAEMON);
    syslog(LOG_ERR, "%s", AMessage.c_str());
    closelog();
  }
  if (std::getenv("JOURNAL_STREAM") == nullptr) {
    std::fprintf(stderr, "%s: %s\n", FSource.c_str(), AMessage.c_str());
    std::fflush(stderr);
  }
}

}  // namespace platform
