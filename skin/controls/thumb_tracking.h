// The scroll-thumb tracking state the overlay scroll bars paint from while
// a thumb is dragged: one drag at a time, shared by all wrappers.
// Positions along a bar are measured from the bar's start.
//
// Thread safety: the engine's thread only.
#ifndef QUILLORY_SKIN_CONTROLS_THUMB_TRACKING_H_
#define QUILLORY_SKIN_CONTROLS_THUMB_TRACKING_H_

namespace skin {

// The system's thumb of one bar: its start and end along the bar, and the
// bar's length (the track end).
struct TSystemThumb {
  int Top = 0;
  int Bottom = 0;
  int TrackEnd = 0;
  int Arrow = 0;  // the scroll arrow's length (SM_CYVSCROLL or SM_CXHSCROLL)
};

struct TThumbAxis {
  int Top = 0;  // read when tracking starts
  int Bottom = 0;
  int Length = 0;
  bool Tracking = false;
  int TrackTop = 0;  // where the dragged thumb is painted
  int TrackBottom = 0;
};

enum class TThumbCode { Track, Position, Other };

// The press position along the bar (from the non-client button press) and
// each direction's state.
struct TThumbTracking {
  int PressV = 0;  // cursor y at the press
  int PressH = 0;  // cursor x at the press
  TThumbAxis V;
  TThumbAxis H;
};

TThumbTracking& ThumbTracking();

// One scroll message for AAxis: a message that starts a drag (or any while
// not dragging) reads the system's thumb; Track moves the tracked thumb by
// ACursor - APress, clamped to [Arrow, TrackEnd - Arrow - Length], and sets
// the flag; Position re-reads the system's thumb and clears it.
void OnScrollMessage(TThumbAxis& AAxis, TThumbCode ACode, const TSystemThumb& ASystem, int ACursor,
                     int APress);

}  // namespace skin

#endif  // QUILLORY_SKIN_CONTROLS_THUMB_TRACKING_H_
