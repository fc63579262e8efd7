#include "config/reg.h"

namespace config {

TReg* ConfigReg = nullptr;

TReg::TReg() : FRegistry(std::make_unique<platform::TRegistry>(platform::TRegAccess::AllAccess)) {
  FRegistry->SetRootKey(platform::TRootKey::LocalMachine);
  FServer = std::make_unique<TServer>(*FRegistry);
}

TReg::~TReg() {
  FServer.reset();
  FRegistry.reset();
}

bool TReg::LoadFromReg() {
  return FServer->LoadSettings();
}

void TReg::SaveToReg() {
  FServer->SaveSettings();
}

TConfigRegScope::TConfigRegScope() : FReg(std::make_unique<TReg>()) {
  ConfigReg = FReg.get();
}

TConfigRegScope::~TConfigRegScope() {
  ConfigReg = nullptr;
}

}  // namespace config
