// The base of every object of the toolkit: a component with a name, a tag,
// one owner, the components it owns, its class identity and its properties
// by name.
//
// Ownership: a component created with an owner is freed by that owner when
// the owner goes, unless it was freed before (it then leaves the owner's
// list). Code that keeps a component in a std::unique_ptr frees it before the
// owner goes (members of a form are destroyed before the form's base).
//
// Lifetime announcements: code that follows components (the skin engine)
// registers a TComponentObserver; it hears ComponentCreated when a component
// is complete (widgets: once their window exists and the message loop first
// turns for it) and ComponentDestroying when destruction begins, while the
// component's window, if any, still exists. FreeNotification pairs two
// components so that each hears of the other's end (Notification).
//
// Properties: Class() lists them by name with their types; GetProperty and
// SetProperty read and write them. Portable.
//
// Thread safety: a component belongs to the thread that created it; the
// observer list is for that thread only.
#ifndef QUILLORY_UI_COMPONENT_H_
#define QUILLORY_UI_COMPONENT_H_

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "ui/widget_class.h"

namespace ui {

// A property's value; the alternative follows the type's TPropertyKind:
// bool for Boolean, int64_t for Integer, Color, Enum and Set, std::string
// for String, const void* for Object.
using TPropertyValue = std::variant<bool, int64_t, std::string, const void*>;

// The alternative index that AKind is carried in.
constexpr size_t ValueIndexOf(TPropertyKind AKind) {
  switch (AKind) {
    case TPropertyKind::Boolean:
      return 0;
    case TPropertyKind::String:
      return 2;
    case TPropertyKind::Object:
      return 3;
    default:
      return 1;
  }
}

class TComponent;

enum class TOperation { Insert, Remove };

class TComponentObserver {
 public:
  virtual ~TComponentObserver() = default;
  virtual void ComponentCreated(TComponent& AComponent) = 0;
  virtual void ComponentDestroying(TComponent& AComponent) = 0;
};

class TComponent {
 public:
  explicit TComponent(TComponent* AOwner = nullptr);
  virtual ~TComponent();
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;

  // The class of this object's C++ type.
  virtual const TWidgetClass& Class() const { return classes::Component; }

  const std::string& Name() const { return FName; }
  void SetName(std::string AName) { FName = std::move(AName); }
  int64_t Tag() const { return FTag; }
  void SetTag(int64_t ATag) { FTag = ATag; }

  TComponent* Owner() const { return FOwner; }
  // The components this one owns, in creation order.
  const std::vector<TComponent*>& Components() const { return FComponents; }
  // The owned component named AName, or nullptr.
  TComponent* FindComponent(std::string_view AName) const;
  // True once destruction has begun.
  bool Destroying() const { return FDestroying; }

  // The property's description, or nullptr when the class has none by that
  // name.
  const TPropertyInfo* FindProperty(std::string_view AName) const {
    return Class().FindProperty(AName);
  }
  bool HasProperty(std::string_view AName) const { return FindProperty(AName) != nullptr; }
  // The value, or nothing when there is no such property.
  std::optional<TPropertyValue> GetProperty(std::string_view AName) const;
  // False when there is no such property or AValue is not of its kind.
  bool SetProperty(std::string_view AName, const TPropertyValue& AValue);

  // Pairs this component with AOther: each hears of the other's end through
  // Notification. Pairing twice is harmless.
  void FreeNotification(TComponent& AOther);
  void RemoveFreeNotification(TComponent& AOther);

  static void AddObserver(TComponentObserver& AObserver);
  static void RemoveObserver(TComponentObserver& AObserver);

 protected:
  // AComponent was inserted into this one's owned list, or a paired or owned
  // component is going.
  virtual void Notification(TComponent& /*AComponent*/, TOperation /*AOperation*/) {}

  // Reads or writes the property AInfo (one of Class()'s); AValue holds the
  // alternative of its kind. The base handles Name and Tag; derived classes
  // handle theirs and pass the rest on. False when not handled.
  virtual bool ReadProperty(const TPropertyInfo& AInfo, TPropertyValue& AValue) const;
  virtual bool WriteProperty(const TPropertyInfo& AInfo, const TPropertyValue& AValue);

  // Tells the observers that this component is complete (once).
  void AnnounceCreated();
  // Starts destruction: tells the observers and the paired components
  // (once). The destructor calls it; a derived destructor that needs its
  // members for that calls it first.
  void BeginDestruction();

 private:
  void RemoveOwned(TComponent* AComponent);

  TComponent* FOwner;
  std::vector<TComponent*> FComponents;
  std::vector<TComponent*> FFreeNotifies;
  std::string FName;
  int64_t FTag = 0;
  bool FAnnounced = false;
  bool FDestroying = false;
};

}  // namespace ui

#endif  // QUILLORY_UI_COMPONENT_H_
