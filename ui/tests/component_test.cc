#include "ui/component.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace ui {
namespace {

// Logs every announcement.
struct TLog : TComponentObserver {
  std::vector<std::string> Lines;
  void ComponentCreated(TComponent& AComponent) override {
    Lines.push_back("created " + AComponent.Name());
  }
  void ComponentDestroying(TComponent& AComponent) override {
    Lines.push_back("destroying " + AComponent.Name());
  }
};

// A component with a label's properties, to show the property access and
// ownership without windows.
class TFakeLabel : public TComponent {
 public:
  TFakeLabel(TComponent* AOwner, std::string AName, std::vector<std::string>* ANotes = nullptr)
      : TComponent(AOwner), FNotes(ANotes) {
    SetName(std::move(AName));
    AnnounceCreated();
  }
  const TWidgetClass& Class() const override { return classes::Label; }
  TComponent* Watched = nullptr;

 protected:
  void Notification(TComponent& AComponent, TOperation AOperation) override {
    if (AOperation == TOperation::Remove && &AComponent == Watched) Watched = nullptr;
    if (FNotes) {
      FNotes->push_back(Name() + (AOperation == TOperation::Insert ? " +" : " -") +
                        AComponent.Name());
    }
  }
  bool ReadProperty(const TPropertyInfo& AInfo, TPropertyValue& AValue) const override {
    if (AInfo.Name == "Transparent") {
      AValue = FTransparent;
      return true;
    }
    if (AInfo.Name == "Color") {
      AValue = FColor;
      return true;
    }
    return TComponent::ReadProperty(AInfo, AValue);
  }
  bool WriteProperty(const TPropertyInfo& AInfo, const TPropertyValue& AValue) override {
    if (AInfo.Name == "Transparent") {
      FTransparent = std::get<bool>(AValue);
      return true;
    }
    if (AInfo.Name == "Color") {
      FColor = std::get<int64_t>(AValue);
      return true;
    }
    return TComponent::WriteProperty(AInfo, AValue);
  }

 private:
  std::vector<std::string>* FNotes;
  bool FTransparent = false;
  int64_t FColor = 0x8000000F;
};

TEST(Component, PropertiesByNameAreTypedAndOnlyWhereTheClassHasThem) {
  TFakeLabel label(nullptr, "lbPort");
  EXPECT_TRUE(label.HasProperty("Transparent"));
  EXPECT_FALSE(label.HasProperty("BorderStyle"));
  EXPECT_EQ(label.GetProperty("Name"), TPropertyValue(std::string("lbPort")));
  EXPECT_EQ(label.GetProperty("Color"), TPropertyValue(int64_t{0x8000000F}));
  EXPECT_TRUE(label.SetProperty("Transparent", true));
  EXPECT_EQ(label.GetProperty("Transparent"), TPropertyValue(true));
  EXPECT_TRUE(label.SetProperty("Tag", int64_t{9999}));
  EXPECT_EQ(label.Tag(), 9999);
  // Wrong kind or no such property: refused, nothing changes.
  EXPECT_FALSE(label.SetProperty("Transparent", int64_t{0}));
  EXPECT_FALSE(label.SetProperty("BorderStyle", int64_t{0}));
  EXPECT_EQ(label.GetProperty("BorderStyle"), std::nullopt);
  EXPECT_EQ(label.GetProperty("Transparent"), TPropertyValue(true));
  // A property the class lists but this object does not serve reads as
  // nothing rather than as a made-up value.
  EXPECT_EQ(label.GetProperty("WordWrap"), std::nullopt);
}

TEST(Component, OwnerFreesWhatItOwnsAndForgetsWhatWasFreedBefore) {
  TLog log;
  TComponent::AddObserver(log);
  std::vector<std::string> notes;
  auto form = std::make_unique<TFakeLabel>(nullptr, "form", &notes);
  new TFakeLabel(form.get(), "a");
  auto* b = new TFakeLabel(form.get(), "b");
  auto c = std::make_unique<TFakeLabel>(form.get(), "c");
  new TFakeLabel(b, "b1");  // owned by b, goes with it
  EXPECT_EQ(form->Components().size(), 3u);
  EXPECT_EQ(form->FindComponent("b"), b);
  c.reset();  // freed by its holder first: leaves the owner's list
  EXPECT_EQ(form->Components().size(), 2u);
  form.reset();
  TComponent::RemoveObserver(log);
  EXPECT_EQ(log.Lines,
            (std::vector<std::string>{"created form", "created a", "created b", "created c",
                                      "created b1", "destroying c", "destroying form",
                                      "destroying b", "destroying b1", "destroying a"}));
  // Insertion is told while the new component is being built (before it has
  // its name); removal is told to an owner that is not going itself.
  EXPECT_EQ(notes, (std::vector<std::string>{"form +", "form +", "form +", "form -c"}));
}

TEST(Component, FreeNotificationClearsReferencesInBothDirections) {
  auto label = std::make_unique<TFakeLabel>(nullptr, "label");
  auto field = std::make_unique<TFakeLabel>(nullptr, "field");
  label->Watched = field.get();
  label->FreeNotification(*field);
  field.reset();
  EXPECT_EQ(label->Watched, nullptr);
  // And the other way round: the watcher going first leaves nothing behind
  // in the watched one (ASan would see a use after free here otherwise).
  auto other = std::make_unique<TFakeLabel>(nullptr, "other");
  label->Watched = other.get();
  label->FreeNotification(*other);
  label.reset();
  other.reset();
}

}  // namespace
}  // namespace ui
