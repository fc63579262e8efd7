#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <random>

#include "platform/temp_file.h"

namespace platform {

std::string NewGuidText() {
  // A random (version 4, variant 1) GUID from the system's entropy source.
  std::random_device entropy;
  unsigned char b[16];
  for (int i = 0; i < 16; i += 4) {
    unsigned int v = entropy();
    for (int k = 0; k < 4; ++k) b[i + k] = static_cast<unsigned char>(v >> (8 * k));
  }
  b[6] = static_cast<unsigned char>((b[6] & 0x0F) | 0x40);
  b[8] = static_cast<unsigned char>((b[8] & 0x3F) | 0x80);
  char text[39];
  std::snprintf(text, sizeof text,
                "{%02X%02X%02X%02X-%02X%02X-%02X%02X-%02X%02X-%02X%02X%02X%02X%02X%02X}", b[0],
                b[1], b[2], b[3], b[4], b[5], b[6], b[7], b[8], b[9], b[10], b[11], b[12], b[13],
                b[14], b[15]);
  return text;
}

bool CreateFileExclusively(const std::filesystem::path& APath) {
  int fd = ::open(APath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
  if (fd < 0) return false;
  ::close(fd);
  return true;
}

}  // namespace platform
