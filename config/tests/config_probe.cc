// A test program over the configuration root, for scripts that check it
// against another registry client (quillory-reg, Wine's reg.exe):
//
//   config_probe [-registry DIR] load           prints "Port=N" and
//                                               "ClientSettings=TEXT"
//   config_probe [-registry DIR] save PORT DIR  loads, sets both, saves
//
// Exit status 0 on success; 1 with a message when the load fails or an error
// is raised; 2 on bad arguments.
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "config/reg.h"
#include "config/registry_switch.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  try {
    config::ApplyRegistrySwitch(args);
    const bool load = args.size() == 1 && args[0] == "load";
    const bool save = args.size() == 3 && args[0] == "save";
    if (!load && !save) {
      std::fprintf(stderr, "usage: config_probe [-registry DIR] load | save PORT DIR\n");
      return 2;
    }
    config::TConfigRegScope scope;
    if (!config::ConfigReg->LoadFromReg()) {
      std::fprintf(stderr, "LoadFromReg failed\n");
      return 1;
    }
    config::TServer& server = config::ConfigReg->Server();
    if (save) {
      server.SetPort(std::stoi(args[1]));
      server.SetClientSettingsDir(args[2]);
      server.SaveSettings();
    }
    std::printf("Port=%d\nClientSettings=%s\n", static_cast<int>(server.Port()),
                server.ClientSettingsDir().c_str());
    return 0;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return 1;
  }
}
