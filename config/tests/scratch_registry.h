// Test fixture: a registry the test may change at will. With the file-backed
// store it is a fresh root folder per test; with the system registry (the
// Windows build, run in a Wine prefix of its own) it is the server key,
// removed before and after each test. The environment variables that decide
// the default client settings folder are set to known values and restored.
#ifndef QUILLORY_CONFIG_TESTS_SCRATCH_REGISTRY_H_
#define QUILLORY_CONFIG_TESTS_SCRATCH_REGISTRY_H_

#include <gtest/gtest.h>

#include <filesystem>
#include <initializer_list>
#include <map>
#include <optional>
#include <random>
#include <string>

#include "platform/environment.h"
#include "platform/registry.h"

namespace config_test {

inline constexpr char kServerKey[] = "Software\\Tarnwick\\Quillory\\Server\\Service";
inline constexpr const char* kFolderVariables[] = {"ALLUSERSPROFILE", "ProgramData", "APPDATA"};

inline platform::TRegValue Dword(uint32_t AValue) {
  std::string bytes;
  for (int shift = 0; shift < 32; shift += 8) bytes.push_back(static_cast<char>(AValue >> shift));
  return {platform::kRegDword, bytes};
}

inline platform::TRegValue Text(uint32_t AKind, std::string AText) {
  AText.push_back('\0');
  return {AKind, AText};
}

// The parts joined with the platform's path delimiter.
inline std::string JoinPath(std::initializer_list<std::string> AParts) {
  std::string out;
  for (const std::string& part : AParts) {
    if (!out.empty()) out += platform::kPathDelimiter;
    out += part;
  }
  return out;
}

class ScratchRegistry : public ::testing::Test {
 protected:
  void SetUp() override {
    std::random_device random;
    FRoot = std::filesystem::temp_directory_path() /
            ("quillory-registry-test-" + std::to_string(random()) + std::to_string(random()));
    FStandIn = platform::SetRegistryRoot(FRoot.string());
    platform::TRegistry registry;
    registry.DeleteKey(kServerKey);
    for (const char* name : kFolderVariables)
      FSavedEnvironment[name] = platform::EnvironmentVariable(name);
    SetFolderVariables("", "", "");
  }

  void TearDown() override {
    platform::TRegistry registry;
    registry.DeleteKey(kServerKey);
    std::error_code ec;
    if (FStandIn) std::filesystem::remove_all(FRoot, ec);
    for (auto& [name, value] : FSavedEnvironment) platform::PutEnvironmentVariable(name, value);
  }

  // Sets the three variables; an empty text removes the variable.
  static void SetFolderVariables(const std::string& AAllUsers, const std::string& AProgramData,
                                 const std::string& AAppData) {
    const std::string* values[] = {&AAllUsers, &AProgramData, &AAppData};
    for (int i = 0; i < 3; ++i) {
      std::optional<std::string> value;
      if (!values[i]->empty()) value = *values[i];
      ASSERT_TRUE(platform::PutEnvironmentVariable(kFolderVariables[i], value));
    }
  }

  // Stores AValue as AName in the server key.
  static void Store(const std::string& AName, const platform::TRegValue& AValue) {
    platform::TRegistry registry;
    ASSERT_TRUE(registry.OpenKey(kServerKey, true)) << registry.LastError();
    ASSERT_TRUE(registry.WriteValue(AName, AValue)) << registry.LastError();
  }

  // The value AName of the server key as stored; nullopt when missing.
  static std::optional<platform::TRegValue> Stored(const std::string& AName) {
    platform::TRegistry registry(platform::TRegAccess::Read);
    if (!registry.OpenKey(kServerKey, false)) return std::nullopt;
    return registry.ReadValue(AName);
  }

  std::filesystem::path FRoot;
  bool FStandIn = false;  // false: the system registry
  std::map<std::string, std::optional<std::string>> FSavedEnvironment;
};

}  // namespace config_test

#endif  // QUILLORY_CONFIG_TESTS_SCRATCH_REGISTRY_H_
