#include "platform/posix/open_files.h"

namespace platform::posix {

TOpenFiles& TOpenFiles::Instance() {
  static TOpenFiles files;
  return files;
}

bool TOpenFiles::TryHoldShared(const std::string& APath) {
  platform::TMutexLock lock(FLock);
  int& holders = FHolders[APath];
  if (holders < 0) return false;
  ++holders;
  return true;
}

bool TOpenFiles::TryHoldExclusive(const std::string& APath) {
  platform::TMutexLock lock(FLock);
  auto [it, inserted] = FHolders.try_emplace(APath, -1);
  if (!inserted && it->second != 0) return false;
  it->second = -1;
  return true;
}

void TOpenFiles::Release(const std::string& APath) {
  platform::TMutexLock lock(FLock);
  auto it = FHolders.find(APath);
  if (it == FHolders.end()) return;
  if (it->second > 1) {
    --it->second;
  } else {
    FHolders.erase(it);
  }
}

bool TOpenFiles::RenameUnlessHeld(const std::string& ASource, const std::string& ATarget,
                                  const std::function<void()>& ARename) {
  platform::TMutexLock lock(FLock);
  auto target = FHolders.find(ATarget);
  if (target != FHolders.end() && target->second != 0) return false;
  ARename();
  FHolders.erase(ASource);
  return true;
}

THold::THold(TKind AKind, std::string APath) : FPath(std::move(APath)) {
  TOpenFiles& files = TOpenFiles::Instance();
  FHeld = AKind == Shared ? files.TryHoldShared(FPath) : files.TryHoldExclusive(FPath);
}

THold::~THold() {
  if (FHeld) TOpenFiles::Instance().Release(FPath);
}

}  // namespace platform::posix
