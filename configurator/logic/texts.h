// The Configurator's user-visible texts (UTF-8), and the messages it builds
// from them.
//
// Thread safety: constants and pure functions.
#ifndef QUILLORY_CONFIGURATOR_LOGIC_TEXTS_H_
#define QUILLORY_CONFIGURATOR_LOGIC_TEXTS_H_

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace configurator::texts {

// The program and its window.
inline constexpr char kApplicationTitle[] = "Konfigurator";
inline constexpr char kProductTitle[] = "Quillory Server";
inline constexpr char kPageOverall[] = "Allgemeines";
inline constexpr char kPageServer[] = "3. Serverdienst";
inline constexpr char kMenuFile[] = "&Datei";
inline constexpr char kMenuExit[] = "&Beenden";
inline constexpr char kMenuHelp[] = "&Hilfe";
inline constexpr char kMenuContent[] = "&Inhalt";
inline constexpr char kHelpFileName[] = "Quillory.chm";

// The About page: the maker's details.
inline constexpr char kMakerAddress[] =
    "Tarnwick Software GmbH\nAm Lindenhof 7\n12345 Quillhaven\nTel.: +49 (0)12345 678-0\n"
    "Fax: +49 (0)12345 678-99";
inline constexpr char kMakerWeb[] = "https://www.tarnwick.example";
inline constexpr char kMakerMail[] = "info@tarnwick.example";
inline constexpr int kRightsFirstYear = 2004;

// The service page.
inline constexpr char kStatusLabel[] = "Aktueller Serverstatus:";
inline constexpr char kPortLabel[] = "Server-Port:";
inline constexpr char kFolderCaption[] = "&Verzeichnis für die Client-Konfigurationsdateien";
inline constexpr char kFolderButton[] = "...";
inline constexpr char kRestartButton[] = "Dienst neu starten";
inline constexpr char kStartButton[] = "Dienst starten";
inline constexpr char kStopButton[] = "Dienst stoppen";
inline constexpr char kBrowseFolderCaption[] =
    "Bitte wählen Sie das Verzeichnis für die Konfigurationsdaten";

// Message boxes.
inline constexpr char kErrorCaption[] = "Fehler";
inline constexpr char kNoRegistryAccess[] =
    "Sie haben keinen Zugriff auf die Registrierung! Der Konfigurator wird beendet.";

// Help topics of the two pages.
inline constexpr int32_t kHelpContextOverall = 1010;
inline constexpr int32_t kHelpContextServer = 1000;

// "<product> - Version <version>", the caption of the main window.
std::string WindowCaption(std::string_view AVersion);

// "Version <version>", the version line of the About page.
std::string VersionLine(std::string_view AVersion);

// The rights notice; its year range ends with ACurrentYear (four digits).
std::string RightsNotice(int ACurrentYear);

// The message after a failed start: the port in decimal between the fixed
// texts, with no further blanks.
std::string StartFailure(int32_t APort);

// The message after the client settings folder was changed from AOld to
// AChosen, telling the administrator to move files himself; empty when no
// message is due: the paths are equal (letter case counts), or AOld is
// empty, or it names no existing directory (as told by ADirectoryExists).
std::string FolderChangeMessage(std::string_view AOld, std::string_view AChosen,
                                const std::function<bool(std::string_view)>& ADirectoryExists);

}  // namespace configurator::texts

#endif  // QUILLORY_CONFIGURATOR_LOGIC_TEXTS_H_
