// Errors of system calls, carried with the system's number and text.
//
// Thread safety: stateless; ESystemError objects are plain values.
#ifndef QUILLORY_PLATFORM_SYSTEM_ERROR_H_
#define QUILLORY_PLATFORM_SYSTEM_ERROR_H_

#include <cstdint>
#include <stdexcept>
#include <string>

namespace platform {

// The system's description of the error number ACode (GetLastError() on
// Windows, errno elsewhere), without a trailing line break.
std::string SystemErrorMessage(uint32_t ACode);

// The calling thread's last system error number (GetLastError() / errno).
uint32_t LastSystemError();

// A failed system call. what() is the text an administrator sees:
// "Systemfehler.  Code: <ACode>.\r\n<system message>".
class ESystemError : public std::runtime_error {
 public:
  explicit ESystemError(uint32_t ACode);
  uint32_t Code() const { return FCode; }

 private:
  uint32_t FCode;
};

}  // namespace platform

#endif  // QUILLORY_PLATFORM_SYSTEM_ERROR_H_
