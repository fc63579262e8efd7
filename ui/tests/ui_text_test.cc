#include <gtest/gtest.h>

#include "ui/error_text.h"
#include "ui/numeric_text.h"

namespace ui {
namespace {

TEST(ErrorText, AddsAFullStopOnlyAfterCharactersSortingAfterIt) {
  EXPECT_EQ(ErrorBoxText("Fehler beim Setzen der Daten für 'Port'"),
            "Fehler beim Setzen der Daten für 'Port'");  // the quote sorts before '.'
  EXPECT_EQ(ErrorBoxText("Zugriff verweigert"), "Zugriff verweigert.");
  EXPECT_EQ(ErrorBoxText("Fertig."), "Fertig.");
  EXPECT_EQ(ErrorBoxText("Was nun?"), "Was nun?.");  // '?' sorts after '.'
  EXPECT_EQ(ErrorBoxText("Ende!"), "Ende!");         // '!' sorts before it
  EXPECT_EQ(ErrorBoxText("Größe"), "Größe.");
  EXPECT_EQ(ErrorBoxText(""), "");
}

TEST(NumericText, RangeOtherThanThePorts) {
  EXPECT_EQ(NumericValue("", 10, 20), 10);  // no number: 0, limited to the range
  EXPECT_EQ(NumericValue("-3", -5, 5), -3);
  EXPECT_EQ(NumericTextOnExit("-30", -5, 5), std::optional<std::string>("-5"));
  EXPECT_EQ(NumericTextOnExit("3", -5, 5), std::nullopt);
}

}  // namespace
}  // namespace ui
