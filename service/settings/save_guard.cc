#include "service/settings/save_guard.h"

#include <mutex>
#include <unordered_set>

namespace service::settings {

namespace {

struct TClaims {
  std::mutex Lock;
  std::unordered_set<std::string> Keys;
};

TClaims& Claims() {
  static TClaims claims;
  return claims;
}

}  // namespace

TSaveGuard::TSaveGuard(std::string AKey) : FKey(std::move(AKey)) {
  TClaims& claims = Claims();
  std::lock_guard lock(claims.Lock);
  FClaimed = claims.Keys.insert(FKey).second;
}

TSaveGuard::~TSaveGuard() {
  if (!FClaimed) return;
  TClaims& claims = Claims();
  std::lock_guard lock(claims.Lock);
  claims.Keys.erase(FKey);
}

}  // namespace service::settings
