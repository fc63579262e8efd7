// The parts of the registry seam that are the same on every platform.
#include "platform/registry.h"

namespace platform {

TRegDataType RegDataTypeOf(uint32_t AKind) {
  switch (AKind) {
    case kRegSz:
      return TRegDataType::rdString;
    case kRegExpandSz:
      return TRegDataType::rdExpandString;
    case kRegDword:
      return TRegDataType::rdInteger;
    case kRegBinary:
      return TRegDataType::rdBinary;
    default:
      return TRegDataType::rdUnknown;
  }
}

bool IsTextKind(uint32_t AKind) {
  return AKind == kRegSz || AKind == kRegExpandSz || AKind == kRegMultiSz;
}

const char* RootKeyName(TRootKey ARoot) {
  return ARoot == TRootKey::CurrentUser ? "HKEY_CURRENT_USER" : "HKEY_LOCAL_MACHINE";
}

}  // namespace platform
