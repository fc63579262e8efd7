#include "platform/system_error.h"

namespace platform {

ESystemError::ESystemError(uint32_t ACode)
    : std::runtime_error("Systemfehler.  Code: " + std::to_string(ACode) + ".\r\n" +
                         SystemErrorMessage(ACode)),
      FCode(ACode) {}

}  // namespace platform
