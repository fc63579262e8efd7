#include "ui/component.h"

#include <algorithm>

namespace ui {
namespace {

std::vector<TComponentObserver*>& Observers() {
  static std::vector<TComponentObserver*> observers;
  return observers;
}

void Erase(std::vector<TComponent*>& AList, TComponent* AItem) {
  AList.erase(std::remove(AList.begin(), AList.end(), AItem), AList.end());
}

}  // namespace

TComponent::TComponent(TComponent* AOwner) : FOwner(AOwner) {
  if (FOwner) {
    FOwner->FComponents.push_back(this);
    FOwner->Notification(*this, TOperation::Insert);
  }
}

TComponent::~TComponent() {
  BeginDestruction();
  // Owned components still alive go with their owner, the latest first.
  while (!FComponents.empty()) delete FComponents.back();
  if (FOwner) FOwner->RemoveOwned(this);
}

void TComponent::RemoveOwned(TComponent* AComponent) {
  Erase(FComponents, AComponent);
  Notification(*AComponent, TOperation::Remove);
}

TComponent* TComponent::FindComponent(std::string_view AName) const {
  for (TComponent* c : FComponents) {
    if (!c->FName.empty() && c->FName == AName) return c;
  }
  return nullptr;
}

std::optional<TPropertyValue> TComponent::GetProperty(std::string_view AName) const {
  const TPropertyInfo* info = FindProperty(AName);
  if (!info) return std::nullopt;
  TPropertyValue value;
  switch (info->Type->Kind) {
    case TPropertyKind::Boolean:
      value = false;
      break;
    case TPropertyKind::String:
      value = std::string();
      break;
    case TPropertyKind::Object:
      value = static_cast<const void*>(nullptr);
      break;
    default:
      value = int64_t{0};
      break;
  }
  if (!ReadProperty(*info, value)) return std::nullopt;
  return value;
}

bool TComponent::SetProperty(std::string_view AName, const TPropertyValue& AValue) {
  const TPropertyInfo* info = FindProperty(AName);
  if (!info || AValue.index() != ValueIndexOf(info->Type->Kind)) return false;
  return WriteProperty(*info, AValue);
}

bool TComponent::ReadProperty(const TPropertyInfo& AInfo, TPropertyValue& AValue) const {
  if (AInfo.Name == "Name") {
    AValue = FName;
  } else if (AInfo.Name == "Tag") {
    AValue = FTag;
  } else {
    return false;
  }
  return true;
}

bool TComponent::WriteProperty(const TPropertyInfo& AInfo, const TPropertyValue& AValue) {
  if (AInfo.Name == "Name") {
    FName = std::get<std::string>(AValue);
  } else if (AInfo.Name == "Tag") {
    FTag = std::get<int64_t>(AValue);
  } else {
    return false;
  }
  return true;
}

void TComponent::FreeNotification(TComponent& AOther) {
  if (&AOther == this) return;
  if (std::find(FFreeNotifies.begin(), FFreeNotifies.end(), &AOther) == FFreeNotifies.end()) {
    FFreeNotifies.push_back(&AOther);
    AOther.FFreeNotifies.push_back(this);
  }
}

void TComponent::RemoveFreeNotification(TComponent& AOther) {
  Erase(FFreeNotifies, &AOther);
  Erase(AOther.FFreeNotifies, this);
}

void TComponent::AddObserver(TComponentObserver& AObserver) {
  auto& list = Observers();
  if (std::find(list.begin(), list.end(), &AObserver) == list.end()) list.push_back(&AObserver);
}

void TComponent::RemoveObserver(TComponentObserver& AObserver) {
  auto& list = Observers();
  list.erase(std::remove(list.begin(), list.end(), &AObserver), list.end());
}

void TComponent::AnnounceCreated() {
  if (FAnnounced || FDestroying) return;
  FAnnounced = true;
  const std::vector<TComponentObserver*> observers = Observers();  // may change meanwhile
  for (TComponentObserver* o : observers) o->ComponentCreated(*this);
}

void TComponent::BeginDestruction() {
  if (FDestroying) return;
  FDestroying = true;
  if (FAnnounced) {
    const std::vector<TComponentObserver*> observers = Observers();
    for (TComponentObserver* o : observers) o->ComponentDestroying(*this);
  }
  while (!FFreeNotifies.empty()) {
    TComponent* other = FFreeNotifies.back();
    FFreeNotifies.pop_back();
    Erase(other->FFreeNotifies, this);
    other->Notification(*this, TOperation::Remove);
  }
}

}  // namespace ui
