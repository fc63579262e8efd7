#include "platform/console.h"

namespace platform {

void AttachConsoleOutput() {}

}  // namespace platform
