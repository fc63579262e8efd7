// Image sets the painters cut out of a skin's bitmaps once per skin change:
// scroll-bar buttons and thumbs, progress-bar pieces and tab images for all
// four sides.
//
// Each set keeps a reader it does not own; SetReader stores it and rebuilds
// the set, which first drops the set's bitmaps and leaves them empty while
// there is no reader or the reader is not ready. Accessors are 1-based as
// noted and return empty bitmaps for indices out of range.
//
// Thread safety: none; the engine's thread owns the sets.
#ifndef QUILLORY_SKIN_READER_ZEL_SKIN_RES_H_
#define QUILLORY_SKIN_READER_ZEL_SKIN_RES_H_

#include <array>
#include <cstdint>

#include "skin/bitmap/bitmap.h"
#include "skin/reader/zel_skin_reader.h"

namespace skin {

class TzelSkinRes {
 public:
  virtual ~TzelSkinRes() = default;
  // Stores AReader (not owned, may be null) and rebuilds the set.
  void SetReader(TzelSkinReader* AReader);
  TzelSkinReader* Reader() const { return m_SkinReader; }

 protected:
  virtual void Rebuild() = 0;
  // True when the reader exists and has a skin loaded.
  bool HasSkin() const { return m_SkinReader != nullptr && m_SkinReader->Ready(); }

  TzelSkinReader* m_SkinReader = nullptr;
};

// Scroll-bar buttons (three states each) and thumb pieces.
class TzelSkinScrollBtnRes final : public TzelSkinRes {
 public:
  // 1-3: left button, 4-6: right button (normal, hot, pressed).
  const TBitmap& GetHBtn(int AIndex) const;
  // 1-3: up button, 4-6: down button.
  const TBitmap& GetVBtn(int AIndex) const;
  // Thumb pieces 1-5: start cap, first body, grip, second body, end cap.
  const TBitmap& GetHSlider(int AIndex) const;
  const TBitmap& GetVSlider(int AIndex) const;
  // Whole-thumb images, only in the whole-thumb style.
  const TBitmap& FullHS() const { return m_FullHS; }
  const TBitmap& FullVS() const { return m_FullVS; }
  std::int32_t SliderWidth() const { return m_SliderWidth; }
  bool MacOS() const { return m_MacOS; }

 protected:
  void Rebuild() override;

 private:
  std::array<TBitmap, 6> m_H, m_V;
  std::array<TBitmap, 5> m_HS, m_VS;
  TBitmap m_FullHS, m_FullVS;
  std::int32_t m_SliderWidth = 0;
  bool m_MacOS = false;
};

// Progress-bar pieces, horizontal and turned for vertical bars.
class TzelSkinProgressBarRes final : public TzelSkinRes {
 public:
  const TBitmap& GetH(int AIndex) const;  // 1-4
  const TBitmap& GetV(int AIndex) const;  // 1-4
  std::int32_t BorderWidth1() const { return m_BorderWidth1; }
  std::int32_t BorderWidth2() const { return m_BorderWidth2; }

 protected:
  void Rebuild() override;

 private:
  std::array<TBitmap, 4> m_H, m_V;
  std::int32_t m_BorderWidth1 = 0;
  std::int32_t m_BorderWidth2 = 0;
};

// Tab-row base lines and tab images for tabs on each side.
class TzelSkinTabRes final : public TzelSkinRes {
 public:
  const TBitmap& GetTopBar() const { return m_B[0]; }
  const TBitmap& GetLeftBar() const { return m_B[1]; }
  const TBitmap& GetBottomBar() const { return m_B[2]; }
  const TBitmap& GetRightBar() const { return m_B[3]; }
  const TBitmap& GetTopPage(bool AActive) const { return AActive ? m_A[0] : m_P[0]; }
  const TBitmap& GetLeftPage(bool AActive) const { return AActive ? m_A[1] : m_P[1]; }
  const TBitmap& GetBottomPage(bool AActive) const { return AActive ? m_A[2] : m_P[2]; }
  const TBitmap& GetRightPage(bool AActive) const { return AActive ? m_A[3] : m_P[3]; }

 protected:
  void Rebuild() override;

 private:
  // Index 0-3: top, left, bottom, right.
  std::array<TBitmap, 4> m_B, m_P, m_A;
};

}  // namespace skin

#endif  // QUILLORY_SKIN_READER_ZEL_SKIN_RES_H_
