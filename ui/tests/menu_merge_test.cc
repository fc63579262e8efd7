#include "ui/menu_merge.h"

#include <gtest/gtest.h>

#include <string>

namespace ui {
namespace {

struct TItem {
  std::string Caption;
  int GroupIndex;
};

std::string Captions(const std::vector<const TItem*>& AItems) {
  std::string text;
  for (const TItem* item : AItems) text += item->Caption + " ";
  return text;
}

TEST(MenuMerge, ChildItemsReplaceTheParentsOfTheirGroupsAndSitAfterTheLowerOnes) {
  const std::vector<TItem> parent{{"Datei", 0}, {"Bearbeiten", 1}, {"Fenster", 9}, {"Hilfe", 10}};
  const struct {
    std::vector<TItem> Child;
    const char* Expected;
  } cases[] = {
      {{}, "Datei Bearbeiten Fenster Hilfe "},
      {{{"Tabelle", 1}, {"Format", 2}}, "Datei Tabelle Format Fenster Hilfe "},
      {{{"Dokument", 0}}, "Dokument Bearbeiten Fenster Hilfe "},
      {{{"Extras", 5}}, "Datei Bearbeiten Extras Fenster Hilfe "},
      {{{"Ganz vorn", -1}}, "Ganz vorn Datei Bearbeiten Fenster Hilfe "},
      {{{"Ende", 11}}, "Datei Bearbeiten Fenster Hilfe Ende "},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Captions(MergeByGroupIndex(parent, c.Child)), c.Expected);
  }
}

}  // namespace
}  // namespace ui
