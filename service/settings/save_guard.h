// One save per file at a time, across all connections of the process.
//
// Saves write a temporary file and rename it over the target, so two saves of
// one file would not conflict in the file system; the guard makes the second
// of two overlapping saves fail instead, as a second writer of a file held
// open for no one else would. The service is the only writer of its folder,
// so a registry inside the process sees every save.
//
// Thread safety: guards may be taken and dropped from any thread.
#ifndef QUILLORY_SERVICE_SETTINGS_SAVE_GUARD_H_
#define QUILLORY_SERVICE_SETTINGS_SAVE_GUARD_H_

#include <string>

namespace service::settings {

class TSaveGuard {
 public:
  // Claims AKey (the target's path, as the file system compares names) for
  // this save. The guard is empty when another save holds the key.
  explicit TSaveGuard(std::string AKey);
  // Frees the key, if claimed.
  ~TSaveGuard();
  TSaveGuard(const TSaveGuard&) = delete;
  TSaveGuard& operator=(const TSaveGuard&) = delete;

  explicit operator bool() const { return FClaimed; }

 private:
  std::string FKey;
  bool FClaimed;
};

}  // namespace service::settings

#endif  // QUILLORY_SERVICE_SETTINGS_SAVE_GUARD_H_
