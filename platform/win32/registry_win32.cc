// The registry on Windows. Every open passes KEY_WOW64_32KEY, so a 64-bit
// build reads and writes the keys of the 32-bit view (below Wow6432Node on
// 64-bit Windows), where 32-bit programs keep them.
#include <windows.h>

#include "platform/registry.h"
#include "platform/win32/wide.h"

namespace platform {
namespace {

using win32::SystemErrorText;
using win32::ToUtf8;
using win32::ToWide;

// Owns one HKEY.
class THKey {
 public:
  THKey() = default;
  ~THKey() { Reset(); }
  THKey(const THKey&) = delete;
  THKey& operator=(const THKey&) = delete;
  HKEY Get() const { return FKey; }
  HKEY* Receive() {
    Reset();
    return &FKey;
  }
  void Reset() {
    if (FKey) RegCloseKey(FKey);
    FKey = nullptr;
  }

 private:
  HKEY FKey = nullptr;
};

HKEY RootHandle(TRootKey ARoot) {
  return ARoot == TRootKey::CurrentUser ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE;
}

}  // namespace

bool SetRegistryRoot(const std::string&) {
  return false;
}

std::string RegistryRoot() {
  return {};
}

struct TRegistry::TImpl {
  TRegAccess Access = TRegAccess::AllAccess;
  TRootKey Root = TRootKey::LocalMachine;
  THKey Key;
  std::string Path;
  std::string LastError;

  REGSAM Sam() const {
    return (Access == TRegAccess::AllAccess ? KEY_ALL_ACCESS : KEY_READ) | KEY_WOW64_32KEY;
  }

  bool Fail(std::string_view AWhat, LONG AError) {
    LastError = std::string(AWhat) + ": " + SystemErrorText(static_cast<DWORD>(AError));
    return false;
  }

  // Queries the type and data of AName, growing the buffer while the value
  // grows between calls. False with LastError set when the query fails.
  bool Query(std::string_view AName, DWORD& AType, std::string& AData) {
    if (!Key.Get()) return Fail(AName, ERROR_INVALID_HANDLE);
    std::wstring name = ToWide(AName);
    DWORD size = 0;
    LONG rc = RegQueryValueExW(Key.Get(), name.c_str(), nullptr, &AType, nullptr, &size);
    for (int attempt = 0; rc == ERROR_SUCCESS || rc == ERROR_MORE_DATA; ++attempt) {
      if (attempt > 8) break;
      AData.assign(size, '\0');
      rc = RegQueryValueExW(Key.Get(), name.c_str(), nullptr, &AType,
                            reinterpret_cast<BYTE*>(AData.data()), &size);
      if (rc == ERROR_SUCCESS) {
        AData.resize(size);
        return true;
      }
    }
    return Fail(AName, rc);
  }

  bool Set(std::string_view AName, DWORD AType, const void* AData, std::size_t ASize) {
    if (!Key.Get()) return Fail(AName, ERROR_INVALID_HANDLE);
    LONG rc = RegSetValueExW(Key.Get(), ToWide(AName).c_str(), 0, AType,
                             static_cast<const BYTE*>(AData), static_cast<DWORD>(ASize));
    return rc == ERROR_SUCCESS || Fail(AName, rc);
  }
};

TRegistry::TRegistry(TRegAccess AAccess) : FImpl(std::make_unique<TImpl>()) {
  FImpl->Access = AAccess;
}

TRegistry::~TRegistry() {
  CloseKey();
}

TRootKey TRegistry::RootKey() const {
  return FImpl->Root;
}

void TRegistry::SetRootKey(TRootKey ARoot) {
  CloseKey();
  FImpl->Root = ARoot;
}

bool TRegistry::OpenKey(std::string_view APath, bool ACanCreate) {
  CloseKey();
  std::wstring path = ToWide(APath);
  LONG rc;
  if (ACanCreate && FImpl->Access == TRegAccess::AllAccess) {
    rc = RegCreateKeyExW(RootHandle(FImpl->Root), path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                         FImpl->Sam(), nullptr, FImpl->Key.Receive(), nullptr);
  } else {
    rc =
        RegOpenKeyExW(RootHandle(FImpl->Root), path.c_str(), 0, FImpl->Sam(), FImpl->Key.Receive());
  }
  if (rc != ERROR_SUCCESS) {
    *FImpl->Key.Receive() = nullptr;
    return FImpl->Fail(APath, rc);
  }
  FImpl->Path = std::string(APath);
  return true;
}

void TRegistry::CloseKey() {
  FImpl->Key.Reset();  // no RegFlushKey: the system writes the hive itself
  FImpl->Path.clear();
}

bool TRegistry::HasCurrentKey() const {
  return FImpl->Key.Get() != nullptr;
}

const std::string& TRegistry::CurrentPath() const {
  return FImpl->Path;
}

bool TRegistry::ValueExists(std::string_view AName) {
  if (!FImpl->Key.Get()) return false;
  DWORD type = 0, size = 0;
  LONG rc =
      RegQueryValueExW(FImpl->Key.Get(), ToWide(AName).c_str(), nullptr, &type, nullptr, &size);
  return rc == ERROR_SUCCESS || FImpl->Fail(AName, rc);
}

TRegDataType TRegistry::GetDataType(std::string_view AName) {
  if (!FImpl->Key.Get()) return TRegDataType::rdUnknown;
  DWORD type = 0, size = 0;
  LONG rc =
      RegQueryValueExW(FImpl->Key.Get(), ToWide(AName).c_str(), nullptr, &type, nullptr, &size);
  if (rc != ERROR_SUCCESS) {
    FImpl->Fail(AName, rc);
    return TRegDataType::rdUnknown;
  }
  return RegDataTypeOf(type);
}

std::optional<int32_t> TRegistry::ReadInteger(std::string_view AName) {
  if (!FImpl->Key.Get()) return std::nullopt;
  DWORD value = 0, type = 0, size = sizeof value;
  LONG rc = RegQueryValueExW(FImpl->Key.Get(), ToWide(AName).c_str(), nullptr, &type,
                             reinterpret_cast<BYTE*>(&value), &size);
  if (rc != ERROR_SUCCESS) {
    FImpl->Fail(AName, rc);
    return std::nullopt;
  }
  if (size != sizeof value) {
    FImpl->Fail(AName, ERROR_INVALID_DATA);
    return std::nullopt;
  }
  return static_cast<int32_t>(value);
}

std::string TRegistry::ReadString(std::string_view AName) {
  DWORD type = 0;
  std::string data;
  if (!FImpl->Query(AName, type, data) || !IsTextKind(type) || data.size() < 2) return {};
  std::wstring text(data.size() / 2, L'\0');
  memcpy(text.data(), data.data(), text.size() * 2);
  return ToUtf8(text.substr(0, text.find(L'\0')));
}

std::optional<TRegValue> TRegistry::ReadValue(std::string_view AName) {
  DWORD type = 0;
  std::string data;
  if (!FImpl->Query(AName, type, data)) return std::nullopt;
  TRegValue value{type, std::move(data)};
  if (IsTextKind(type)) {
    std::wstring text(value.Data.size() / 2, L'\0');
    memcpy(text.data(), value.Data.data(), text.size() * 2);
    value.Data = ToUtf8(text);
  }
  return value;
}

bool TRegistry::WriteInteger(std::string_view AName, int32_t AValue) {
  DWORD value = static_cast<DWORD>(AValue);  // Windows is little-endian
  return FImpl->Set(AName, REG_DWORD, &value, sizeof value);
}

bool TRegistry::WriteString(std::string_view AName, std::string_view AText) {
  std::wstring text = ToWide(AText);
  return FImpl->Set(AName, REG_SZ, text.c_str(), (text.size() + 1) * sizeof(wchar_t));
}

bool TRegistry::WriteValue(std::string_view AName, const TRegValue& AValue) {
  if (!IsTextKind(AValue.Kind))
    return FImpl->Set(AName, AValue.Kind, AValue.Data.data(), AValue.Data.size());
  std::wstring text = ToWide(AValue.Data);
  return FImpl->Set(AName, AValue.Kind, text.data(), text.size() * sizeof(wchar_t));
}

bool TRegistry::DeleteValue(std::string_view AName) {
  if (!FImpl->Key.Get()) return FImpl->Fail(AName, ERROR_INVALID_HANDLE);
  LONG rc = RegDeleteValueW(FImpl->Key.Get(), ToWide(AName).c_str());
  return rc == ERROR_SUCCESS || FImpl->Fail(AName, rc);
}

std::vector<std::string> TRegistry::ValueNames() {
  std::vector<std::string> names;
  if (!FImpl->Key.Get()) return names;
  std::wstring name(16384, L'\0');
  for (DWORD i = 0;; ++i) {
    DWORD length = static_cast<DWORD>(name.size());
    if (RegEnumValueW(FImpl->Key.Get(), i, name.data(), &length, nullptr, nullptr, nullptr,
                      nullptr) != ERROR_SUCCESS)
      break;
    names.push_back(ToUtf8(std::wstring_view(name.data(), length)));
  }
  return names;
}

std::vector<std::string> TRegistry::KeyNames() {
  std::vector<std::string> names;
  if (!FImpl->Key.Get()) return names;
  std::wstring name(256, L'\0');
  for (DWORD i = 0;; ++i) {
    DWORD length = static_cast<DWORD>(name.size());
    if (RegEnumKeyExW(FImpl->Key.Get(), i, name.data(), &length, nullptr, nullptr, nullptr,
                      nullptr) != ERROR_SUCCESS)
      break;
    names.push_back(ToUtf8(std::wstring_view(name.data(), length)));
  }
  return names;
}

bool TRegistry::KeyExists(std::string_view APath) {
  THKey key;
  return RegOpenKeyExW(RootHandle(FImpl->Root), ToWide(APath).c_str(), 0,
                       KEY_READ | KEY_WOW64_32KEY, key.Receive()) == ERROR_SUCCESS;
}

bool TRegistry::DeleteKey(std::string_view APath) {
  CloseKey();
  if (APath.find_first_not_of('\\') == std::string_view::npos)
    return FImpl->Fail("a root key cannot be deleted", ERROR_ACCESS_DENIED);
  std::wstring path = ToWide(APath);
  THKey key;
  LONG rc = RegOpenKeyExW(RootHandle(FImpl->Root), path.c_str(), 0, FImpl->Sam(), key.Receive());
  if (rc == ERROR_SUCCESS) rc = RegDeleteTreeW(key.Get(), nullptr);
  key.Reset();
  if (rc == ERROR_SUCCESS)
    rc = RegDeleteKeyExW(RootHandle(FImpl->Root), path.c_str(), KEY_WOW64_32KEY, 0);
  return rc == ERROR_SUCCESS || FImpl->Fail(APath, rc);
}

const std::string& TRegistry::LastError() const {
  return FImpl->LastError;
}

}  // namespace platform
