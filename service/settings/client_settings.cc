#include "service/settings/client_settings.h"

#include <algorithm>
#include <memory>

#include "base/ascii.h"
#include "service/quillory_svr.h"
#include "service/settings/save_guard.h"
#include "service/settings/settings_name.h"
#include "service/settings/settings_request.h"
#include "service/settings/settings_text.h"

namespace service::settings {

namespace {

using platform::EFileError;

constexpr std::string_view kErrorPrefix = "Fehler: ";
constexpr std::string_view kOk = "OK";

// AReason as one line without blanks, control characters or full stops at
// its end.
std::string OneLineReason(std::string_view AReason) {
  std::string reason(AReason);
  std::replace_if(
      reason.begin(), reason.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
  while (!reason.empty()) {
    const auto c = static_cast<unsigned char>(reason.back());
    if (c > ' ' && c != '.' && c != 0x7F) break;
    reason.pop_back();
  }
  return reason;
}

std::string Failure(std::string_view AMessage) {
  std::string reply(kErrorPrefix);
  reply += AMessage;
  return reply;
}

// "Datei "APath" kann nicht AWhat. " and the reason.
std::string FileMessage(std::string_view APath, std::string_view AWhat, std::string_view AReason) {
  std::string message = "Datei \"";
  message.append(APath).append("\" kann nicht ").append(AWhat).append(". ");
  message += OneLineReason(AReason);
  return message;
}

std::string CannotWriteMessage(std::string_view APath, std::string_view AReason) {
  return FileMessage(APath, "geschrieben werden", AReason);
}

// The key under which saves of APath exclude each other: Windows compares
// names without regard to letter case.
std::string SaveKey(std::string_view APath, platform::TFileNameRules ARules) {
  return ARules == platform::TFileNameRules::Windows ? base::AsciiLowerCase(APath)
                                                     : std::string(APath);
}

}  // namespace

std::string CannotCreateMessage(std::string_view APath, std::string_view AReason) {
  return FileMessage(APath, "erstellt werden", AReason);
}

TClientSettings::TClientSettings(std::string AFolder, platform::TFileSystem& AFiles)
    : FFolder(std::move(AFolder)), FFiles(AFiles), FRules(platform::FileNameRules()) {
  if (!FFolder.empty() && !platform::EndsWithPathSeparator(FFolder))
    FFolder += platform::PathSeparator();
}

std::string TClientSettings::Read(std::string_view ALine) const {
  const std::string_view name = ReadRequestName(ALine);
  if (!IsNameInFolder(name, FRules)) return kInvalidInput;
  if (FFolder.empty()) return {};
  try {
    const std::string path = FFolder + std::string(name);
    if (!FFiles.FileExists(path)) return {};
    return FileToWire(FFiles.ReadFile(path));
  } catch (...) {
    return {};  // held by a save, access denied, a read error: as if there were no file
  }
}

std::string TClientSettings::Save(std::string_view ALine) const {
  try {
    if (FFolder.empty() || (!FFiles.DirectoryExists(FFolder) && !FFiles.CreateDirectories(FFolder)))
      return std::string(kFolderMissing);
    const std::optional<TSaveRequest> request = ParseSaveRequest(ALine);
    if (!request || !IsNameInFolder(request->Name, FRules)) return kInvalidInput;
    const std::string path = FFolder + std::string(request->Name);
    const std::string bytes = WireToFile(request->Text);

    TSaveGuard guard(SaveKey(path, FRules));
    if (!guard) return Failure(CannotCreateMessage(path, platform::FileInUseReason()));
    std::unique_ptr<platform::TNewFile> file;  // removes the temporary file on every failure
    try {
      file = FFiles.CreateTempFile(FFolder);
    } catch (const EFileError& e) {
      return Failure(CannotCreateMessage(path, e.what()));
    }
    try {
      file->Write(bytes);
      file->Flush();
    } catch (const EFileError& e) {
      return Failure(CannotWriteMessage(path, e.what()));
    }
    try {
      file->ReplaceTarget(path);
    } catch (const EFileError& e) {
      return Failure(CannotCreateMessage(path, e.what()));
    }
    try {
      FFiles.SyncFolder(FFolder);
    } catch (const EFileError& e) {
      return Failure(CannotWriteMessage(path, e.what()));
    }
    return std::string(kOk);
  } catch (const std::exception& e) {
    return Failure(OneLineReason(e.what()));
  } catch (...) {
    return Failure("unbekannter Fehler");
  }
}

}  // namespace service::settings
