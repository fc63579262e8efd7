#include <cstdio>

#include "platform/message_box.h"

namespace platform {

void ShowMessageBox(const std::string& ACaption, const std::string& AText, TMessageKind AKind) {
  std::FILE* out = AKind == TMessageKind::Error ? stderr : stdout;
  std::fprintf(out, "%s: %s\n", ACaption.c_str(), AText.c_str());
  std::fflush(out);
}

}  // namespace platform
