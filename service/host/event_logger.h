// TEventLogger: writes the error entries of the service machinery.
//
// A writer logs either to the system's log (the event log on Windows, syslog
// on POSIX) or, for a service run in a terminal, to standard error.
//
// Thread safety: LogMessage may be called from several threads at once.
#ifndef QUILLORY_SERVICE_HOST_EVENT_LOGGER_H_
#define QUILLORY_SERVICE_HOST_EVENT_LOGGER_H_

#include <memory>
#include <string>

#include "platform/event_log.h"

namespace service {

enum class TLogTarget { SystemLog, Terminal };

class TEventLogger {
 public:
  // ASource: the name under which the entries appear. Opens nothing yet.
  TEventLogger(std::string ASource, TLogTarget ATarget);

  // Writes AMessage (UTF-8) as one error entry; never throws.
  void LogMessage(const std::string& AMessage);

 private:
  std::string FSource;
  TLogTarget FTarget;
  platform::TEventLog FLog;
};

// "Service fehlgeschlagen bei <AAction>:<AMessage>": the entry of an error
// that ended an action of the service machinery.
std::string ServiceFailedText(const std::string& AAction, const std::string& AMessage);

}  // namespace service

#endif  // QUILLORY_SERVICE_HOST_EVENT_LOGGER_H_
