#include "skin/reader/zel_skin_res.h"

#include "skin/bitmap/image_routines.h"

namespace skin {
namespace {

template <std::size_t N>
const TBitmap& At(const std::array<TBitmap, N>& AList, int AIndex) {
  static const TBitmap kEmpty;
  return AIndex >= 1 && AIndex <= static_cast<int>(N) ? AList[AIndex - 1] : kEmpty;
}

TBitmap CopyOf(const TBitmap* ASource) {
  return ASource ? *ASource : TBitmap();
}

TBitmap Turned(TBitmap ABitmap, void (*ATurn)(TBitmap&)) {
  ATurn(ABitmap);
  return ABitmap;
}

// AHeight rows of ASource from row ATop, as wide as ASource.
TBitmap Rows(const TBitmap& ASource, int ATop, int AHeight) {
  TBitmap piece(ASource.Width(), AHeight);
  piece.SetBitsPerPixel(ASource.BitsPerPixel());
  piece.SetTransparent(ASource.Transparent(), ASource.TransparentColor());
  piece.CopyRect(0, 0, ASource, 0, ATop, ASource.Width(), AHeight);
  return piece;
}

}  // namespace

void TzelSkinRes::SetReader(TzelSkinReader* AReader) {
  m_SkinReader = AReader;
  Rebuild();
}

const TBitmap& TzelSkinScrollBtnRes::GetHBtn(int AIndex) const {
  return At(m_H, AIndex);
}
const TBitmap& TzelSkinScrollBtnRes::GetVBtn(int AIndex) const {
  return At(m_V, AIndex);
}
const TBitmap& TzelSkinScrollBtnRes::GetHSlider(int AIndex) const {
  return At(m_HS, AIndex);
}
const TBitmap& TzelSkinScrollBtnRes::GetVSlider(int AIndex) const {
  return At(m_VS, AIndex);
}

void TzelSkinScrollBtnRes::Rebuild() {
  m_H = {};
  m_V = {};
  m_HS = {};
  m_VS = {};
  m_FullHS = m_FullVS = TBitmap();
  m_SliderWidth = 0;
  m_MacOS = false;
  if (!HasSkin()) return;
  const TzelSkinReader& reader = *m_SkinReader;
  const TColor trans = static_cast<TColor>(reader.GetColor(TSkinColorKey::TransColor));
  const TColor bar = static_cast<TColor>(reader.GetColor(TSkinColorKey::ScrollBarColor));

  // Buttons: strips of three states; the horizontal ones are turned left.
  const TBitmap* up = reader.GetBitmap(TSkinBitmapKey::ScrollBarUpButton);
  const TBitmap* down = reader.GetBitmap(TSkinBitmapKey::ScrollBarDownButton);
  for (int i = 0; i < 3; ++i) {
    SpitBitmap(up, m_V[i], 3, i + 1);
    SpitBitmap(down, m_V[i + 3], 3, i + 1);
  }
  for (int i = 0; i < 6; ++i) m_H[i] = Turned(m_V[i], RotateLeft);

  const TBitmap* thumb = reader.GetBitmap(TSkinBitmapKey::ScrollBar);
  if (thumb == nullptr) return;
  const TBitmap& e = *thumb;
  m_MacOS = bar == 0x00CBCBCB && e.Height() == 33 && e.Pixel(1, 10) == 0x00B23901;
  if (m_MacOS) {
    m_FullVS = e;
    m_FullHS = Turned(e, RotateLeft);
  }

  // Thumb pieces: 3-row caps, two bodies of h rows and the grip between.
  const int height = e.Height();
  const int h = (height - 6) / 3;
  m_VS[0] = Rows(e, 0, 3);
  m_VS[4] = Rows(e, height - 3, 3);
  if (h > 0) {
    m_VS[1] = Rows(e, 3, h);
    m_VS[2] = Rows(e, h + 3, height - 2 * h - 6);
    m_VS[3] = Rows(e, height - h - 3, h);
  } else {
    // Blank pieces in the transparent colour, which becomes the bar colour
    // below.
    for (int i = 1; i <= 3; ++i) {
      m_VS[i] = TBitmap(e.Width(), 1, trans);
      m_VS[i].SetTransparent(e.Transparent(), e.TransparentColor());
    }
  }

  // A plain grip turns with the thumb; a patterned one is drawn for the
  // other orientation, so the pieces and the buttons are turned the other
  // way round.
  const TBitmap& grip = m_VS[2];
  bool plain = grip.Width() <= 7;
  if (!plain) {
    plain = true;
    for (int x = 4; x <= grip.Width() - 4; ++x) {
      if (grip.Pixel(x, 1) != grip.Pixel(4, 1)) plain = false;
    }
  }
  if (plain) {
    for (int i = 0; i < 5; ++i) m_HS[i] = Turned(m_VS[i], RotateLeft);
  } else {
    for (int i = 0; i < 5; ++i) m_HS[4 - i] = Turned(m_VS[i], RotateRight);
    for (int i = 0; i < 3; ++i) {
      std::swap(m_H[i], m_H[i + 3]);
      Rotate180(m_H[i]);
      Rotate180(m_H[i + 3]);
    }
  }

  for (auto* list : {&m_H, &m_V}) {
    for (TBitmap& b : *list) ReplaceColor(b, trans, bar);
  }
  for (auto* list : {&m_HS, &m_VS}) {
    for (TBitmap& b : *list) ReplaceColor(b, trans, bar);
  }
  m_SliderWidth = m_VS[0].Width();
}

const TBitmap& TzelSkinProgressBarRes::GetH(int AIndex) const {
  return At(m_H, AIndex);
}
const TBitmap& TzelSkinProgressBarRes::GetV(int AIndex) const {
  return At(m_V, AIndex);
}

void TzelSkinProgressBarRes::Rebuild() {
  m_H = {};
  m_V = {};
  m_BorderWidth1 = m_BorderWidth2 = 0;
  if (!HasSkin()) return;
  static const TSkinBitmapKey kPieces[4] = {
      TSkinBitmapKey::ProgressBar1, TSkinBitmapKey::ProgressBar2, TSkinBitmapKey::ProgressBar3,
      TSkinBitmapKey::ProgressBar4};
  for (int i = 0; i < 4; ++i) {
    m_H[i] = CopyOf(m_SkinReader->GetBitmap(kPieces[i]));
    m_V[i] = Turned(m_H[i], RotateLeft);
  }
  m_BorderWidth1 = m_H[0].Width();
  m_BorderWidth2 = m_H[3].Width();
}

void TzelSkinTabRes::Rebuild() {
  m_B = {};
  m_P = {};
  m_A = {};
  if (!HasSkin()) return;
  // Index 0 is the tab on top; the other sides are turned from it.
  auto turnAll = [](std::array<TBitmap, 4>& AList) {
    AList[1] = Turned(AList[0], RotateLeft);
    AList[2] = Turned(AList[0], Rotate180);
    AList[3] = Turned(AList[0], RotateRight);
  };
  m_B[0] = CopyOf(m_SkinReader->GetBitmap(TSkinBitmapKey::TabControlLine));
  const TBitmap* tabs = m_SkinReader->GetBitmap(TSkinBitmapKey::TabControl);
  SpitBitmap(tabs, m_P[0], 2, 2);
  SpitBitmap(tabs, m_A[0], 2, 1);
  turnAll(m_B);
  turnAll(m_P);
  turnAll(m_A);
}

}  // namespace skin
