// TFreeWatch: hears of the end of the components it watches (the form a
// window wrapper skins and the controls it wrapped), so that the wrapper
// lets go of them while they still exist.
//
// Thread safety: as the components (the window thread).
#ifndef QUILLORY_SKIN_WINDOW_FREE_WATCH_H_
#define QUILLORY_SKIN_WINDOW_FREE_WATCH_H_

#include <functional>
#include <utility>

#include "ui/component.h"

namespace skin {

class TFreeWatch : public ui::TComponent {
 public:
  // AGone runs when a watched component begins its destruction; it may
  // free this watch.
  explicit TFreeWatch(std::function<void(ui::TComponent&)> AGone) : FGone(std::move(AGone)) {}
  void Watch(ui::TComponent& AComponent) { FreeNotification(AComponent); }

 protected:
  void Notification(ui::TComponent& AComponent, ui::TOperation AOperation) override {
    if (AOperation == ui::TOperation::Remove && FGone) FGone(AComponent);
  }

 private:
  std::function<void(ui::TComponent&)> FGone;
};

}  // namespace skin

#endif  // QUILLORY_SKIN_WINDOW_FREE_WATCH_H_
