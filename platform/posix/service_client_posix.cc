// Stand-in for systems without a service control manager: nothing can be
// reached, so every service counts as not installed.
#include "platform/service_client.h"

namespace platform {
namespace {

class TAbsentServiceManager final : public TServiceControlManager {
 public:
  std::unique_ptr<TServiceManagerConnection> Connect() override { return nullptr; }
};

}  // namespace

TServiceControlManager& SystemServiceControlManager() {
  static TAbsentServiceManager manager;
  return manager;
}

}  // namespace platform
