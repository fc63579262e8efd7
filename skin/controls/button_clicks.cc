#include "skin/controls/button_clicks.h"

namespace skin {
namespace {

bool IsPressKey(int AKey) {
  return AKey == kKeyEnter || AKey == kKeySpace;
}

}  // namespace

TButtonReaction TButtonClicks::Handle(TButtonInput AInput, int AKey,
                                      const TButtonContext& AContext) {
  using I = TButtonInput;
  TButtonReaction r;
  // Before the button's procedure: what it must not see.
  switch (AInput) {
    case I::KeyDown:
      r.PassToControl = !IsPressKey(AKey);
      break;
    case I::LButtonDown:
    case I::LButtonDblClk:
      m_Pressed = true;
      r.Repaint = true;
      r.PassToControl = false;
      break;
    case I::KillFocus:
      r.Repaint = true;
      r.PassToControl = false;
      break;
    default:
      break;
  }

  // After it: the common wrapper rules, then the button's own.
  switch (AInput) {
    case I::KeyDown:
      if (IsPressKey(AKey)) m_Pressed = true;
      r.Repaint = true;
      // Only a Space press arms the key click, so that Space released after
      // some other key does not click.
      if (AKey == kKeySpace) m_KeyDowned = true;
      break;
    case I::KeyUp:
      if (IsPressKey(AKey)) m_Pressed = false;
      r.Repaint = true;
      if (AKey == kKeySpace && m_KeyDowned && AContext.Focused && AContext.Enabled &&
          AContext.ReallyActive) {
        m_Pressed = false;
        r.Click = true;
      }
      m_KeyDowned = false;
      break;
    case I::Char:
      if (AKey == kKeyEnter || AKey == 0) {
        m_Pressed = false;
        r.Repaint = true;
        r.Click = true;
      }
      break;
    case I::LButtonDown:
      m_Pressed = true;
      r.Repaint = true;
      r.TakeFocus =
          AContext.FormActive && AContext.CanFocus && AContext.Enabled && AContext.Visible;
      m_Downed = true;
      break;
    case I::LButtonUp:
      m_Pressed = false;
      r.Repaint = true;
      if (m_Downed) r.Click = true;
      m_Downed = false;
      break;
    case I::LButtonDblClk:
      r.Click = true;
      m_Downed = false;
      break;
    case I::MouseEnter:
      m_Hot = true;
      r.Repaint = true;
      break;
    case I::MouseLeave:
      m_Hot = false;
      m_Pressed = false;
      r.Repaint = true;
      break;
    case I::SetFocus:
      r.Repaint = true;
      break;
    default:
      break;
  }
  return r;
}

}  // namespace skin
