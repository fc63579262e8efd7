#include "service/host/event_logger.h"

#include <cstdio>

namespace service {

TEventLogger::TEventLogger(std::string ASource, TLogTarget ATarget)
    : FSource(ASource), FTarget(ATarget), FLog(std::move(ASource)) {}

void TEventLogger::LogMessage(const std::string& AMessage) {
  if (FTarget == TLogTarget::Terminal) {
    std::fprintf(stderr, "%s: %s\n", FSource.c_str(), AMessage.c_str());
    std::fflush(stderr);
    return;
  }
  FLog.ReportError(AMessage);
}

std::string ServiceFailedText(const std::string& AAction, const std::string& AMessage) {
  return "Service fehlgeschlagen bei " + AAction + ":" + AMessage;
}

}  // namespace service
