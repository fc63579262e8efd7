// quillory-reg: reg.exe's query, add and delete on the registry store.
//
//   quillory-reg [-registry DIR] QUERY KeyName [/v ValueName | /ve] [/s]
//   quillory-reg [-registry DIR] ADD KeyName [/v ValueName | /ve] [/t Type] [/s Separator]
//                                [/d Data] [/f]
//   quillory-reg [-registry DIR] DELETE KeyName [/v ValueName | /ve | /va] [/f]
//
// KeyName is HKLM\path or HKCU\path (or the roots' full names). Switches
// take '/' or '-' and any letter case; /reg:32 and /reg:64 are accepted.
// Without /f, ADD over an existing value and DELETE ask on the terminal.
// Exit status 0 on success, 1 on any failure or a declined question.
#include <cctype>
#include <iostream>
#include <map>
#include <string>
#include <vector>

#include "base/ascii.h"
#include "config/registry_switch.h"
#include "platform/registry.h"
#include "tools/reg/reg_data.h"

namespace {

using platform::TRegistry;

constexpr char kUsage[] =
    "quillory-reg [-registry DIR] QUERY KeyName [/v ValueName | /ve] [/s]\n"
    "quillory-reg [-registry DIR] ADD KeyName [/v ValueName | /ve] [/t Type] [/s Separator]\n"
    "                             [/d Data] [/f]\n"
    "quillory-reg [-registry DIR] DELETE KeyName [/v ValueName | /ve | /va] [/f]\n"
    "\n"
    "KeyName: HKLM\\Path or HKCU\\Path. Type: REG_SZ (default), REG_EXPAND_SZ, REG_DWORD,\n"
    "REG_QWORD, REG_BINARY, REG_MULTI_SZ, REG_NONE.\n";

struct TCommand {
  std::string Operation;  // "QUERY", "ADD" or "DELETE"
  platform::TRootKey Root = platform::TRootKey::LocalMachine;
  std::string Path;                  // below the root key
  std::string KeyName;               // as shown: the root's full name and the path
  std::optional<std::string> Value;  // /v NAME, or "" for /ve
  bool AllValues = false;            // /va
  bool Recurse = false;              // /s with QUERY
  bool Force = false;                // /f
  std::string Type = "REG_SZ";
  std::string Data;
  std::string Separator = "\\0";  // reg.exe's default: the text \0, not a NUL
};

int Fail(const std::string& AMessage) {
  std::cerr << "ERROR: " << AMessage << "\n";
  return 1;
}

bool ParseKeyName(const std::string& AText, TCommand& ACommand) {
  std::size_t cut = AText.find('\\');
  std::string root = base::AsciiUpperCase(AText.substr(0, cut));
  if (root == "HKLM" || root == "HKEY_LOCAL_MACHINE")
    ACommand.Root = platform::TRootKey::LocalMachine;
  else if (root == "HKCU" || root == "HKEY_CURRENT_USER")
    ACommand.Root = platform::TRootKey::CurrentUser;
  else
    return false;
  ACommand.Path = cut == std::string::npos ? "" : AText.substr(cut + 1);
  while (!ACommand.Path.empty() && ACommand.Path.back() == '\\') ACommand.Path.pop_back();
  ACommand.KeyName = platform::RootKeyName(ACommand.Root);
  if (!ACommand.Path.empty()) ACommand.KeyName += "\\" + ACommand.Path;
  return true;
}

// Parses the arguments after the program name (the REGISTRY switch already
// taken out). False on any syntax error.
bool ParseCommand(const std::vector<std::string>& AArgs, TCommand& ACommand) {
  if (AArgs.size() < 2) return false;
  ACommand.Operation = base::AsciiUpperCase(AArgs[0]);
  if (ACommand.Operation != "QUERY" && ACommand.Operation != "ADD" &&
      ACommand.Operation != "DELETE")
    return false;
  if (!ParseKeyName(AArgs[1], ACommand)) return false;
  const bool add = ACommand.Operation == "ADD", query = ACommand.Operation == "QUERY";
  std::map<std::string, int> seen;
  for (std::size_t i = 2; i < AArgs.size(); ++i) {
    const std::string& arg = AArgs[i];
    if (arg.size() < 2 || (arg[0] != '/' && arg[0] != '-')) return false;
    std::string name = base::AsciiUpperCase(arg.substr(1));
    if (seen[name]++) return false;
    auto next = [&](std::string& AOut) {
      if (i + 1 >= AArgs.size()) return false;
      AOut = AArgs[++i];
      return true;
    };
    std::string text;
    if (name == "V") {
      if (!next(text)) return false;
      ACommand.Value = text;
    } else if (name == "VE") {
      ACommand.Value = "";
    } else if (name == "VA" && ACommand.Operation == "DELETE") {
      ACommand.AllValues = true;
    } else if (name == "S" && query) {
      ACommand.Recurse = true;
    } else if (name == "S" && add) {
      if (!next(ACommand.Separator)) return false;
    } else if (name == "T" && add) {
      if (!next(ACommand.Type)) return false;
    } else if (name == "D" && add) {
      if (!next(ACommand.Data)) return false;
    } else if (name == "F" && !query) {
      ACommand.Force = true;
    } else if (name != "REG:32" && name != "REG:64") {
      return false;
    }
  }
  return seen["V"] + seen["VE"] + seen["VA"] <= 1;
}

bool Confirm(const std::string& AQuestion) {
  std::cout << AQuestion << " (Yes/No)? " << std::flush;
  std::string answer;
  if (!std::getline(std::cin, answer)) return false;
  answer = base::AsciiUpperCase(answer);
  return answer == "Y" || answer == "YES";
}

void PrintValue(const std::string& AName, const platform::TRegValue& AValue) {
  std::cout << "    " << (AName.empty() ? "(Default)" : AName) << "    "
            << tools::RegKindName(AValue.Kind) << "    " << tools::FormatRegData(AValue) << "\n";
}

// Prints the key APath with its values and, with ARecurse, its subkeys
// below it; otherwise the subkeys' names.
void PrintKey(TRegistry& ARegistry, const std::string& APath, const std::string& AName,
              bool ARecurse) {
  if (!ARegistry.OpenKey(APath, false)) return;
  std::cout << AName << "\n";
  for (const std::string& value : ARegistry.ValueNames())
    if (std::optional<platform::TRegValue> v = ARegistry.ReadValue(value)) PrintValue(value, *v);
  std::cout << "\n";
  std::vector<std::string> keys = ARegistry.KeyNames();
  for (const std::string& key : keys) {
    const std::string path = APath.empty() ? key : APath + "\\" + key;
    if (ARecurse)
      PrintKey(ARegistry, path, AName + "\\" + key, true);
    else
      std::cout << AName << "\\" << key << "\n";
  }
}

int Query(const TCommand& ACommand) {
  TRegistry registry(platform::TRegAccess::Read);
  registry.SetRootKey(ACommand.Root);
  if (!registry.OpenKey(ACommand.Path, false))
    return Fail("The system was unable to find the specified registry key or value.");
  std::cout << "\n";
  if (ACommand.Value) {
    std::optional<platform::TRegValue> value = registry.ReadValue(*ACommand.Value);
    if (!value) return Fail("The system was unable to find the specified registry key or value.");
    std::cout << ACommand.KeyName << "\n";
    PrintValue(*ACommand.Value, *value);
    std::cout << "\n";
    return 0;
  }
  PrintKey(registry, ACommand.Path, ACommand.KeyName, ACommand.Recurse);
  return 0;
}

int Add(const TCommand& ACommand) {
  std::optional<uint32_t> kind = tools::RegKindOfName(ACommand.Type);
  if (!kind) return Fail("Invalid type: " + ACommand.Type);
  std::optional<platform::TRegValue> value =
      tools::ParseRegData(*kind, ACommand.Data, ACommand.Separator);
  if (!value) return Fail("Invalid data for " + ACommand.Type + ": " + ACommand.Data);
  TRegistry registry;
  registry.SetRootKey(ACommand.Root);
  if (!registry.OpenKey(ACommand.Path, true)) return Fail(registry.LastError());
  if (ACommand.Value) {
    const std::string& name = *ACommand.Value;
    if (!ACommand.Force && registry.ValueExists(name) &&
        !Confirm("Value " + (name.empty() ? "(Default)" : name) + " exists, overwrite"))
      return Fail("The operation was cancelled.");
    if (!registry.WriteValue(name, *value)) return Fail(registry.LastError());
  }
  std::cout << "The operation completed successfully.\n";
  return 0;
}

int Delete(const TCommand& ACommand) {
  TRegistry registry;
  registry.SetRootKey(ACommand.Root);
  if (!ACommand.Value && !ACommand.AllValues) {
    if (ACommand.Path.empty()) return Fail("A root key cannot be deleted.");
    if (!registry.KeyExists(ACommand.Path))
      return Fail("The system was unable to find the specified registry key or value.");
    if (!ACommand.Force && !Confirm("Permanently delete the registry key " + ACommand.KeyName))
      return Fail("The operation was cancelled.");
    if (!registry.DeleteKey(ACommand.Path)) return Fail(registry.LastError());
  } else {
    if (!registry.OpenKey(ACommand.Path, false))
      return Fail("The system was unable to find the specified registry key or value.");
    std::vector<std::string> names =
        ACommand.AllValues ? registry.ValueNames() : std::vector<std::string>{*ACommand.Value};
    if (!ACommand.AllValues && !registry.ValueExists(names[0]))
      return Fail("The system was unable to find the specified registry key or value.");
    std::string what = ACommand.AllValues
                           ? "all values under " + ACommand.KeyName
                           : "the registry value " + (names[0].empty() ? "(Default)" : names[0]);
    if (!ACommand.Force && !Confirm("Delete " + what)) return Fail("The operation was cancelled.");
    for (const std::string& name : names)
      if (!registry.DeleteValue(name)) return Fail(registry.LastError());
  }
  std::cout << "The operation completed successfully.\n";
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  try {
    config::ApplyRegistrySwitch(args);
  } catch (const config::EConfigError& e) {
    return Fail(e.what());
  }
  if (args.size() == 1 &&
      (args[0] == "/?" || args[0] == "-?" || base::AsciiUpperCase(args[0]) == "--HELP")) {
    std::cout << kUsage;
    return 0;
  }
  TCommand command;
  if (!ParseCommand(args, command)) {
    std::cerr << "ERROR: Invalid syntax.\n\n" << kUsage;
    return 1;
  }
  if (command.Operation == "QUERY") return Query(command);
  if (command.Operation == "ADD") return Add(command);
  return Delete(command);
}
