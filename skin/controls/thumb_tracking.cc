#include "skin/controls/thumb_tracking.h"

#include <algorithm>

namespace skin {
namespace {

void Read(TThumbAxis& AAxis, const TSystemThumb& ASystem) {
  AAxis.Top = ASystem.Top;
  AAxis.Bottom = ASystem.Bottom;
  AAxis.Length = ASystem.Bottom - ASystem.Top;
}

}  // namespace

TThumbTracking& ThumbTracking() {
  static TThumbTracking state;
  return state;
}

void OnScrollMessage(TThumbAxis& AAxis, TThumbCode ACode, const TSystemThumb& ASystem, int ACursor,
                     int APress) {
  switch (ACode) {
    case TThumbCode::Track: {
      if (!AAxis.Tracking) Read(AAxis, ASystem);
      const int low = ASystem.Arrow;
      const int high = ASystem.TrackEnd - ASystem.Arrow - AAxis.Length;
      // A bar too short for its thumb keeps the thumb at the arrow.
      AAxis.TrackTop = std::max(low, std::min(AAxis.Top + (ACursor - APress), high));
      AAxis.TrackBottom = AAxis.TrackTop + AAxis.Length;
      AAxis.Tracking = true;
      break;
    }
    case TThumbCode::Position:
      Read(AAxis, ASystem);
      AAxis.Tracking = false;
      break;
    case TThumbCode::Other:
      if (!AAxis.Tracking) Read(AAxis, ASystem);
      break;
  }
}

}  // namespace skin
