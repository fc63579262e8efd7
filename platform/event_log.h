// The system's log of service errors: the Windows event log, syslog on POSIX.
//
// Thread safety: ReportError may be called from several threads at once.
#ifndef QUILLORY_PLATFORM_EVENT_LOG_H_
#define QUILLORY_PLATFORM_EVENT_LOG_H_

#include <memory>
#include <string>

namespace platform {

class TEventLog {
 public:
  // Nothing is opened yet; ASource names the writer in every entry (the
  // event source on Windows, the syslog identity on POSIX).
  explicit TEventLog(std::string ASource);
  // Closes the log if it was opened.
  ~TEventLog();
  TEventLog(const TEventLog&) = delete;
  TEventLog& operator=(const TEventLog&) = delete;

  // Writes one error entry with the single text AMessage (UTF-8), opening
  // the log on first use. Windows: RegisterEventSourceW then ReportEventW of
  // type EVENTLOG_ERROR_TYPE, category 0, event 0, one insertion string.
  // POSIX: syslog at LOG_ERR in the daemon facility, and the same line on
  // standard error unless standard error already goes to the systemd
  // journal. Failures are ignored: there is nowhere left to report them.
  void ReportError(const std::string& AMessage);

  struct TImpl;

 private:
  std::string FSource;
  std::unique_ptr<TImpl> FImpl;
};

}  // namespace platform

#endif  // QUILLORY_PLATFORM_EVENT_LOG_H_
