// The command-line switch "REGISTRY" that every program honours:
//
//   -registry DIR   or   /registry DIR   (the switch in any letter case)
//
// puts the root folder of the file-backed registry store at DIR instead of
// the system-wide default (/var/lib/quillory/registry), for development and
// tests. Windows keeps its settings in the system registry, where the switch
// is refused.
//
// Call it first thing in main(), before anything opens the registry:
//
//   int main(int argc, char** argv) {
//     std::vector<std::string> args(argv + 1, argv + argc);
//     try {
//       config::ApplyRegistrySwitch(args);   // args lose the switch and DIR
//     } catch (const config::EConfigError& e) { ...report e.what(), exit 2... }
//     ...parse the remaining args...
//
// Thread safety: call before other threads use the registry.
#ifndef QUILLORY_CONFIG_REGISTRY_SWITCH_H_
#define QUILLORY_CONFIG_REGISTRY_SWITCH_H_

#include <string>
#include <vector>

#include "config/config_error.h"

namespace config {

// Finds the switch in AArgs (the program's arguments without its name),
// makes the folder after it the registry root and removes both from AArgs.
// The last occurrence wins. Returns true when the switch was given. Throws
// EConfigError when the folder is missing or empty, or where the registry
// has no root folder (Windows).
bool ApplyRegistrySwitch(std::vector<std::string>& AArgs);

// True when AArg is "-registry" or "/registry" in any letter case.
bool IsRegistrySwitch(const std::string& AArg);

}  // namespace config

#endif  // QUILLORY_CONFIG_REGISTRY_SWITCH_H_
