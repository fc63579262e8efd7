// A clock whose time moves only when the code under test sleeps.
#ifndef QUILLORY_CONFIGURATOR_TESTS_FAKE_CLOCK_H_
#define QUILLORY_CONFIGURATOR_TESTS_FAKE_CLOCK_H_

#include <vector>

#include "configurator/logic/clock.h"

namespace configurator::testing {

class TFakeClock final : public TClock {
 public:
  int Year = 2031;
  TDuration Now{0};
  std::vector<TDuration> Sleeps;

  int CurrentYear() override { return Year; }
  TDuration Elapsed() override { return Now; }
  void Sleep(TDuration ADuration) override {
    Sleeps.push_back(ADuration);
    Now += ADuration;
  }
};

}  // namespace configurator::testing

#endif  // QUILLORY_CONFIGURATOR_TESTS_FAKE_CLOCK_H_
