#include <cerrno>
#include <system_error>

#include "platform/system_error.h"

namespace platform {

std::string SystemErrorMessage(uint32_t ACode) {
  return std::generic_category().message(static_cast<int>(ACode));
}

uint32_t LastSystemError() {
  return static_cast<uint32_t>(errno);
}

}  // namespace platform
