#include "configurator/logic/texts.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace configurator::texts {
namespace {

TEST(Texts, StartFailureJoinsThePortWithoutBlanks) {
  EXPECT_EQ(StartFailure(6666), "Der Server konnte nicht auf Port: 6666 gestartet werden!");
  EXPECT_EQ(StartFailure(0), "Der Server konnte nicht auf Port: 0 gestartet werden!");
}

TEST(Texts, FolderChangeMessage) {
  const std::set<std::string, std::less<>> existing = {"C:\\Daten\\Alt", "C:\\Daten\\Neu"};
  auto exists = [&](std::string_view APath) { return existing.count(APath) > 0; };
  const std::string moved =
      "Sie haben das Client-Konfigurationsverzeichnis geändert.\r\n"
      "Bitte verschieben Sie ggf. noch benötigte Dateien aus dem alten Verzeichnis \r\n"
      "\"C:\\Daten\\Alt\" in das neue Verzeichnis.";
  EXPECT_EQ(FolderChangeMessage("C:\\Daten\\Alt", "C:\\Daten\\Neu", exists), moved);
  // Letter case counts: the old folder is named even though it is the same.
  EXPECT_EQ(FolderChangeMessage("C:\\Daten\\Alt", "C:\\DATEN\\ALT", exists), moved);
  EXPECT_EQ(FolderChangeMessage("C:\\Daten\\Alt", "C:\\Daten\\Alt", exists), "");
  EXPECT_EQ(FolderChangeMessage("C:\\Weg", "C:\\Daten\\Neu", exists), "");  // gone from disk
  EXPECT_EQ(FolderChangeMessage("", "C:\\Daten\\Neu", exists), "");
}

TEST(Texts, CaptionAndRightsNotice) {
  EXPECT_EQ(WindowCaption("2.0.0.56"), "Quillory Server - Version 2.0.0.56");
  EXPECT_EQ(VersionLine("2.0.0.56"), "Version 2.0.0.56");
}

}  // namespace
}  // namespace configurator::texts
