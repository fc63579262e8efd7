#include "configurator/logic/clock.h"

#include <ctime>
#include <thread>

namespace configurator {

int TSystemClock::CurrentYear() {
  const auto now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
  // The Configurator has one thread, so the shared buffer of localtime is safe.
  const std::tm* local = std::localtime(&now);
  return local ? local->tm_year + 1900 : 1970;
}

TClock::TDuration TSystemClock::Elapsed() {
  return std::chrono::duration_cast<TDuration>(std::chrono::steady_clock::now().time_since_epoch());
}

void TSystemClock::Sleep(TDuration ADuration) {
  std::this_thread::sleep_for(ADuration);
}

}  // namespace configurator
