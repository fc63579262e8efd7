#include "skin/draw/ellipsis_text.h"

namespace skin {
namespace {

constexpr std::u16string_view kEllipsis = u"...";

// The end of the character that starts at AAt.
std::size_t NextCharacter(std::u16string_view AText, std::size_t AAt) {
  const bool pair = AAt + 1 < AText.size() && AText[AAt] >= 0xD800 && AText[AAt] <= 0xDBFF &&
                    AText[AAt + 1] >= 0xDC00 && AText[AAt + 1] <= 0xDFFF;
  return AAt + (pair ? 2 : 1);
}

}  // namespace

std::u16string EllipsisText(TPaintCanvas& ACanvas, std::u16string_view AText, int AWidth) {
  if (ACanvas.TextExtent(AText).Width <= AWidth) return std::u16string(AText);
  std::u16string best;
  if (ACanvas.TextExtent(kEllipsis).Width <= AWidth) best = kEllipsis;
  // Widths grow with the prefix: the first one too wide ends the search.
  for (std::size_t n = NextCharacter(AText, 0); n < AText.size(); n = NextCharacter(AText, n)) {
    std::u16string candidate(AText.substr(0, n));
    candidate += kEllipsis;
    if (ACanvas.TextExtent(candidate).Width > AWidth) break;
    best = std::move(candidate);
  }
  return best;
}

}  // namespace skin
