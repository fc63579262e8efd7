// Owners of GDI objects and device contexts, and the toolkit's colours and
// fonts.
//
// Thread safety: GDI objects belong to the thread that uses them.
#ifndef QUILLORY_UI_GDI_H_
#define QUILLORY_UI_GDI_H_

#include <windows.h>

#include <cstdint>
#include <string>
#include <utility>

namespace ui {

// Owns one GDI object (font, brush, bitmap, pen) and deletes it.
template <typename THandle>
class TGdiObject {
 public:
  TGdiObject() = default;
  explicit TGdiObject(THandle AHandle) : FHandle(AHandle) {}
  ~TGdiObject() { Reset(); }
  TGdiObject(TGdiObject&& AOther) noexcept : FHandle(std::exchange(AOther.FHandle, nullptr)) {}
  TGdiObject& operator=(TGdiObject&& AOther) noexcept {
    if (this != &AOther) {
      Reset();
      FHandle = std::exchange(AOther.FHandle, nullptr);
    }
    return *this;
  }
  TGdiObject(const TGdiObject&) = delete;
  TGdiObject& operator=(const TGdiObject&) = delete;

  THandle Get() const { return FHandle; }
  void Reset(THandle AHandle = nullptr) {
    if (FHandle) DeleteObject(FHandle);
    FHandle = AHandle;
  }

 private:
  THandle FHandle = nullptr;
};

using TFontHandle = TGdiObject<HFONT>;
using TBrushHandle = TGdiObject<HBRUSH>;
using TBitmapHandle = TGdiObject<HBITMAP>;

// Selects an object into a DC for the lifetime of this object.
class TSelectObject {
 public:
  TSelectObject(HDC ADc, HGDIOBJ AObject) : FDc(ADc), FOld(SelectObject(ADc, AObject)) {}
  ~TSelectObject() { SelectObject(FDc, FOld); }
  TSelectObject(const TSelectObject&) = delete;
  TSelectObject& operator=(const TSelectObject&) = delete;

 private:
  HDC FDc;
  HGDIOBJ FOld;
};

// A memory DC compatible with ADc, deleted at the end.
class TMemoryDc {
 public:
  explicit TMemoryDc(HDC ADc) : FDc(CreateCompatibleDC(ADc)) {}
  ~TMemoryDc() {
    if (FDc) DeleteDC(FDc);
  }
  TMemoryDc(const TMemoryDc&) = delete;
  TMemoryDc& operator=(const TMemoryDc&) = delete;
  HDC Get() const { return FDc; }

 private:
  HDC FDc;
};

// BeginPaint / EndPaint.
class TPaintDc {
 public:
  explicit TPaintDc(HWND AWindow) : FWindow(AWindow) { FDc = BeginPaint(AWindow, &FPaint); }
  ~TPaintDc() { EndPaint(FWindow, &FPaint); }
  TPaintDc(const TPaintDc&) = delete;
  TPaintDc& operator=(const TPaintDc&) = delete;
  HDC Get() const { return FDc; }

 private:
  HWND FWindow;
  PAINTSTRUCT FPaint{};
  HDC FDc;
};

// A colour: either a fixed RGB value or one of the system's colours (so it
// follows the system's scheme, and a skin can tell the two apart).
class TColor {
 public:
  static constexpr TColor Rgb(BYTE AR, BYTE AG, BYTE AB) { return TColor(RGB(AR, AG, AB), false); }
  static constexpr TColor System(int AIndex) { return TColor(static_cast<DWORD>(AIndex), true); }

  COLORREF Resolve() const { return FSystem ? GetSysColor(static_cast<int>(FValue)) : FValue; }
  bool IsSystem() const { return FSystem; }
  int SystemIndex() const { return static_cast<int>(FValue); }
  bool operator==(const TColor&) const = default;

  // The colour as a property value: 0x00BBGGRR, or 0x80000000 | the system
  // colour's index.
  int64_t Encode() const { return FSystem ? int64_t{0x80000000} | FValue : FValue; }
  static TColor Decode(int64_t AValue) {
    return (AValue & 0x80000000) ? System(static_cast<int>(AValue & 0xFF))
                                 : TColor(static_cast<DWORD>(AValue & 0xFFFFFF), false);
  }

 private:
  constexpr TColor(DWORD AValue, bool ASystem) : FValue(AValue), FSystem(ASystem) {}
  DWORD FValue;
  bool FSystem;
};

// A font description; the widget makes the GDI font from it.
struct TFont {
  std::wstring Name = L"MS Sans Serif";
  int Size = 8;  // points
  bool Bold = false;
  bool Italic = false;
  bool Underline = false;
  TColor Color = TColor::System(COLOR_WINDOWTEXT);

  bool operator==(const TFont&) const = default;

  // A GDI font for this description on the screen.
  TFontHandle Create() const;
};

}  // namespace ui

#endif  // QUILLORY_UI_GDI_H_
