#include "config/root.h"

#include "config/config_error.h"

namespace config {
namespace {

// Closes the registry object's current key when the scope ends, also when
// the section's content raises.
class TKeyCloser {
 public:
  explicit TKeyCloser(platform::TRegistry& ARegistry) : FRegistry(ARegistry) {}
  ~TKeyCloser() { FRegistry.CloseKey(); }
  TKeyCloser(const TKeyCloser&) = delete;
  TKeyCloser& operator=(const TKeyCloser&) = delete;

 private:
  platform::TRegistry& FRegistry;
};

}  // namespace

bool TRoot::LoadSettings() {
  if (!FRegistry.OpenKey(FEntry_Path, true)) return false;
  TKeyCloser closer(FRegistry);
  LoadContent();
  return true;
}

void TRoot::SaveSettings() {
  if (!FRegistry.OpenKey(FEntry_Path, true)) return;
  TKeyCloser closer(FRegistry);
  SaveContent();
}

bool TRoot::EntryOk(const std::string& AEntry, TRegDataType AEntryType) {
  if (!FRegistry.ValueExists(AEntry)) return false;
  return FRegistry.GetDataType(AEntry) == AEntryType;
}

int32_t TRoot::ReadInteger(const std::string& AEntry, int32_t ADefault) {
  if (!EntryOk(AEntry, TRegDataType::rdInteger)) return ADefault;
  std::optional<int32_t> value = FRegistry.ReadInteger(AEntry);
  if (!value) throw EConfigError(GetDataErrorText(AEntry));
  return *value;
}

std::string TRoot::ReadString(const std::string& AEntry, const std::string& ADefault) {
  if (!EntryOk(AEntry, TRegDataType::rdString)) return ADefault;
  return FRegistry.ReadString(AEntry);
}

bool TRoot::ReadBool(const std::string& AEntry, bool ADefault) {
  if (!EntryOk(AEntry, TRegDataType::rdInteger)) return ADefault;
  return ReadInteger(AEntry, 0) != 0;
}

void TRoot::WriteInteger(const std::string& AEntry, int32_t AValue) {
  if (!FRegistry.WriteInteger(AEntry, AValue)) throw EConfigError(SetDataErrorText(AEntry));
}

void TRoot::WriteString(const std::string& AEntry, const std::string& AValue) {
  if (!FRegistry.WriteString(AEntry, AValue)) throw EConfigError(SetDataErrorText(AEntry));
}

void TRoot::WriteBool(const std::string& AEntry, bool AValue) {
  WriteInteger(AEntry, AValue ? 1 : 0);
}

}  // namespace config
