// The client settings exchange: the replies to "readSettings " and
// "saveSettings ", which fetch and store the workstations' files in the
// client settings folder.
//
// A save is atomic: the new text goes to a temporary file in the folder,
// reaches the disk, and then replaces the old file in one step. A read
// therefore sees either the complete previous text or the complete new one;
// a failed save leaves the old file as it was and no temporary file behind.
// Of two overlapping saves of one file the second is refused.
//
// Thread safety: a TClientSettings keeps no state of its own besides its
// folder; any number of threads may call Read and Save at once, also for
// the same file.
#ifndef QUILLORY_SERVICE_SETTINGS_CLIENT_SETTINGS_H_
#define QUILLORY_SERVICE_SETTINGS_CLIENT_SETTINGS_H_

#include <string>
#include <string_view>

#include "platform/file_system.h"

namespace service::settings {

// The reply of a save while the folder is missing and cannot be created.
inline constexpr std::string_view kFolderMissing =
    "Fehler: Das Konfigurationsverzeichnis ist auf dem Server nicht vorhanden";

class TClientSettings {
 public:
  // AFolder: the client settings folder (empty: none configured, then reads
  // find nothing and saves answer kFolderMissing). AFiles must outlive this
  // object.
  TClientSettings(std::string AFolder, platform::TFileSystem& AFiles);

  // The reply to the request line ALine ("readSettings " and a name): the
  // file's text in wire form; the empty text when there is no such file or
  // it cannot be read; "ungueltige Eingabe" for an empty or refused name.
  // Never creates the folder. Never throws.
  std::string Read(std::string_view ALine) const;

  // The reply to the request line ALine ("saveSettings ", a name, a colon,
  // the text in wire form): "OK" once the file is in place; kFolderMissing
  // (tested before the request is looked at); "ungueltige Eingabe" for a
  // malformed request or a refused name; otherwise "Fehler: " and the
  // error's message. Never throws.
  std::string Save(std::string_view ALine) const;

 private:
  std::string FFolder;  // with a path separator at its end; empty for none
  platform::TFileSystem& FFiles;
  platform::TFileNameRules FRules;
};

// The message of a file that cannot be created: "Datei ", APath in double
// quotation marks, " kann nicht erstellt werden. " and AReason without its
// trailing blanks, control characters and full stops (so the reply stays one
// line; line breaks inside AReason become blanks).
std::string CannotCreateMessage(std::string_view APath, std::string_view AReason);

}  // namespace service::settings

#endif  // QUILLORY_SERVICE_SETTINGS_CLIENT_SETTINGS_H_
