#include "platform/file_system.h"

#include <atomic>
#include <cstdint>
#include <cstdio>
#include <random>

#include "platform/temp_name.h"

namespace platform {

std::string NextTempFileName() {
  static std::atomic<uint64_t> next{[] {
    std::random_device seed;
    return (uint64_t{seed()} << 32) ^ seed();
  }()};
  char name[40];
  std::snprintf(name, sizeof name, ".~save-%016llx.tmp",
                static_cast<unsigned long long>(next.fetch_add(1)));
  return name;
}

TSystemFileSystem& SystemFileSystem() {
  static TSystemFileSystem files;
  return files;
}

}  // namespace platform
