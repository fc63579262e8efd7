// TReg: the configuration root of a program, and its one instance ConfigReg.
//
// TReg owns the registry object (HKEY_LOCAL_MACHINE, full access, the 32-bit
// view on Windows) and the server section. Creating it touches no key.
//
//   config::TConfigRegScope scope;            // in main(): creates ConfigReg
//   if (!config::ConfigReg->LoadFromReg()) ... // key cannot be opened
//   config::ConfigReg->Server().Port();
//   config::ConfigReg->Server().SetPort(7000);
//   config::ConfigReg->Server().SaveSettings();
//
// Thread safety: as TRoot. ConfigReg is set and cleared by TConfigRegScope on
// the main thread, before other threads start and after they end.
#ifndef QUILLORY_CONFIG_REG_H_
#define QUILLORY_CONFIG_REG_H_

#include <memory>

#include "config/server.h"
#include "platform/registry.h"

namespace config {

class TReg {
 public:
  // Creates the registry object (full access, root key HKEY_LOCAL_MACHINE),
  // then the server section on it.
  TReg();
  // Frees the section, then the registry object.
  ~TReg();
  TReg(const TReg&) = delete;
  TReg& operator=(const TReg&) = delete;

  // Loads the server section: the result of its LoadSettings().
  bool LoadFromReg();
  // Saves the server section through its SaveSettings(); raises as that.
  void SaveToReg();

  TServer& Server() { return *FServer; }
  const TServer& Server() const { return *FServer; }

 private:
  std::unique_ptr<platform::TRegistry> FRegistry;
  std::unique_ptr<TServer> FServer;
};

// The program's configuration root; null outside a TConfigRegScope.
extern TReg* ConfigReg;

// Creates ConfigReg for its lifetime. Exactly one per program, made in main()
// before the main window or the service object and ending after them.
class TConfigRegScope {
 public:
  TConfigRegScope();
  ~TConfigRegScope();
  TConfigRegScope(const TConfigRegScope&) = delete;
  TConfigRegScope& operator=(const TConfigRegScope&) = delete;

 private:
  std::unique_ptr<TReg> FReg;
};

}  // namespace config

#endif  // QUILLORY_CONFIG_REG_H_
