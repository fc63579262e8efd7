// TButtonClicks: the push button wrapper's keyboard and mouse rules, apart
// from the window procedure. The wrapper withholds the keys and presses it
// handles itself from the button and clicks the button when these rules
// say so; everything else reaches the button unchanged.
//
// Thread safety: one per wrapper, on the wrapper's thread.
#ifndef QUILLORY_SKIN_CONTROLS_BUTTON_CLICKS_H_
#define QUILLORY_SKIN_CONTROLS_BUTTON_CLICKS_H_

namespace skin {

inline constexpr int kKeyEnter = 0x0D;
inline constexpr int kKeySpace = 0x20;

// The messages the rules look at.
enum class TButtonInput {
  KeyDown,        // WM_KEYDOWN, AKey the virtual key
  KeyUp,          // WM_KEYUP
  Char,           // WM_CHAR, AKey the character code
  LButtonDown,    // WM_LBUTTONDOWN
  LButtonUp,      // WM_LBUTTONUP
  LButtonDblClk,  // WM_LBUTTONDBLCLK
  MouseEnter,     // the toolkit's mouse-enter notification
  MouseLeave,     // the toolkit's mouse-leave notification
  SetFocus,       // WM_SETFOCUS
  KillFocus,      // WM_KILLFOCUS, and the toolkit's got/lost-focus notifications
  Other,
};

// What the button is like when the message arrives.
struct TButtonContext {
  bool Focused = false;  // the button has the keyboard focus
  bool Enabled = true;
  bool Visible = true;
  bool CanFocus = true;      // the toolkit's CanFocus
  bool FormActive = true;    // the button's form is the active one
  bool ReallyActive = true;  // the engine is really active
};

// What the wrapper does with the message.
struct TButtonReaction {
  bool PassToControl = true;  // the button's own procedure gets it
  bool Repaint = false;
  bool Click = false;      // the button is clicked (once)
  bool TakeFocus = false;  // the button takes the focus
  bool operator==(const TButtonReaction&) const = default;
};

class TButtonClicks {
 public:
  // Runs the wrapper's rules for one message: which the button's own
  // procedure is to get, then what follows it.
  TButtonReaction Handle(TButtonInput AInput, int AKey, const TButtonContext& AContext);

  bool Hot() const { return m_Hot; }
  bool Pressed() const { return m_Pressed; }
  bool Downed() const { return m_Downed; }
  bool KeyDowned() const { return m_KeyDowned; }

 private:
  bool m_Hot = false;
  bool m_Pressed = false;
  bool m_Downed = false;     // a mouse press began on the button
  bool m_KeyDowned = false;  // Space went down on the button
};

}  // namespace skin

#endif  // QUILLORY_SKIN_CONTROLS_BUTTON_CLICKS_H_
