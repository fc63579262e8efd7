// Time as the Configurator sees it: the calendar year, a monotonic clock for
// time limits, and sleeping. A seam so that waits and dates are tested with a
// fake clock.
//
// Thread safety: TSystemClock is stateless and may be used from any thread.
#ifndef QUILLORY_CONFIGURATOR_LOGIC_CLOCK_H_
#define QUILLORY_CONFIGURATOR_LOGIC_CLOCK_H_

#include <chrono>

namespace configurator {

class TClock {
 public:
  using TDuration = std::chrono::milliseconds;

  virtual ~TClock() = default;
  // The current year of the local calendar, e.g. 2031.
  virtual int CurrentYear() = 0;
  // Time elapsed since an arbitrary fixed point; never goes backwards.
  virtual TDuration Elapsed() = 0;
  // Blocks the calling thread for ADuration.
  virtual void Sleep(TDuration ADuration) = 0;
};

// The real clock of the machine.
class TSystemClock final : public TClock {
 public:
  int CurrentYear() override;
  TDuration Elapsed() override;
  void Sleep(TDuration ADuration) override;
};

}  // namespace configurator

#endif  // QUILLORY_CONFIGURATOR_LOGIC_CLOCK_H_
