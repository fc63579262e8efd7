// The files this process holds open, by path, with the sharing rule of a
// Windows file system: any number of readers, or one writer. The POSIX file
// system refuses nothing, so the file-system seam asks here before it opens.
// Internal to the POSIX implementation.
//
// Thread safety: all members may be called from any thread.
#ifndef QUILLORY_PLATFORM_POSIX_OPEN_FILES_H_
#define QUILLORY_PLATFORM_POSIX_OPEN_FILES_H_

#include <functional>
#include <string>
#include <unordered_map>

#include "platform/mutex.h"

namespace platform::posix {

class TOpenFiles {
 public:
  // The registry of the process.
  static TOpenFiles& Instance();

  // Registers a reader of APath; false while a writer holds it.
  bool TryHoldShared(const std::string& APath) EXCLUDES(FLock);
  // Registers the one writer of APath; false while anyone holds it.
  bool TryHoldExclusive(const std::string& APath) EXCLUDES(FLock);
  // Ends one hold of APath taken by the calls above.
  void Release(const std::string& APath) EXCLUDES(FLock);

  // Runs ARename while nobody holds ATarget, with the registry locked so that
  // no reader opens ATarget meanwhile; then ends the exclusive hold of
  // ASource (the rename took its name away). False, without running
  // ARename, while ATarget is held.
  bool RenameUnlessHeld(const std::string& ASource, const std::string& ATarget,
                        const std::function<void()>& ARename) EXCLUDES(FLock);

 private:
  platform::TMutex FLock;
  // Holders per path: the number of readers, or -1 for the writer.
  std::unordered_map<std::string, int> FHolders GUARDED_BY(FLock);
};

// A hold that ends with its scope. Empty when the hold was refused.
class THold {
 public:
  enum TKind { Shared, Exclusive };
  THold(TKind AKind, std::string APath);
  ~THold();
  THold(THold&& AOther) noexcept : FPath(std::move(AOther.FPath)), FHeld(AOther.FHeld) {
    AOther.FHeld = false;
  }
  THold(const THold&) = delete;
  THold& operator=(const THold&) = delete;

  explicit operator bool() const { return FHeld; }
  // Forgets the hold without ending it (it was ended elsewhere).
  void Dismiss() { FHeld = false; }

 private:
  std::string FPath;
  bool FHeld;
};

}  // namespace platform::posix

#endif  // QUILLORY_PLATFORM_POSIX_OPEN_FILES_H_
