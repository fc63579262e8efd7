// Owners of the GDI objects and device contexts the skin's drawing layer
// creates, and a census of them: every creation and deletion is counted,
// so a test or benchmark can check that painting leaves none behind (the
// system's own count, GetGuiResources, is not available everywhere).
//
// Thread safety: the census counters are atomic; an owner belongs to the
// thread that uses its object.
#ifndef QUILLORY_SKIN_DRAW_WIN32_GDI_CENSUS_H_
#define QUILLORY_SKIN_DRAW_WIN32_GDI_CENSUS_H_

#include <windows.h>

#include <cstdint>
#include <utility>

namespace skin {

struct TGdiCensus {
  std::int64_t Created = 0;
  std::int64_t Deleted = 0;
  std::int64_t Live() const { return Created - Deleted; }
};

// The counts since the program started.
TGdiCensus GdiCensus();

namespace gdi_census_detail {
void NoteCreated();
void NoteDeleted();
}  // namespace gdi_census_detail

// Owns one counted GDI handle: an object deleted with DeleteObject, or a
// memory device context deleted with DeleteDC. A null handle is not
// counted.
template <typename THandle, BOOL (*ADelete)(THandle)>
class TCountedGdi {
 public:
  TCountedGdi() = default;
  explicit TCountedGdi(THandle AHandle) : FHandle(AHandle) {
    if (FHandle) gdi_census_detail::NoteCreated();
  }
  ~TCountedGdi() { Reset(); }
  TCountedGdi(TCountedGdi&& AOther) noexcept : FHandle(std::exchange(AOther.FHandle, nullptr)) {}
  TCountedGdi& operator=(TCountedGdi&& AOther) noexcept {
    if (this != &AOther) {
      Reset();
      FHandle = std::exchange(AOther.FHandle, nullptr);
    }
    return *this;
  }
  TCountedGdi(const TCountedGdi&) = delete;
  TCountedGdi& operator=(const TCountedGdi&) = delete;

  THandle Get() const { return FHandle; }
  explicit operator bool() const { return FHandle != nullptr; }
  // Hands the handle to a new owner outside the census (the system, as
  // SetWindowRgn does with a region): it counts as deleted here.
  THandle Release() {
    if (FHandle) gdi_census_detail::NoteDeleted();
    return std::exchange(FHandle, nullptr);
  }
  void Reset() {
    if (!FHandle) return;
    ADelete(FHandle);
    FHandle = nullptr;
    gdi_census_detail::NoteDeleted();
  }

 private:
  THandle FHandle = nullptr;
};

inline BOOL DeleteGdiObject(HGDIOBJ AObject) {
  return DeleteObject(AObject);
}
inline BOOL DeleteMemoryDc(HDC ADc) {
  return DeleteDC(ADc);
}

using TCountedObject = TCountedGdi<HGDIOBJ, DeleteGdiObject>;
using TCountedMemoryDc = TCountedGdi<HDC, DeleteMemoryDc>;

// Selects an object into a DC for this object's lifetime.
class TSelection {
 public:
  TSelection(HDC ADc, HGDIOBJ AObject) : FDc(ADc), FOld(SelectObject(ADc, AObject)) {}
  ~TSelection() { SelectObject(FDc, FOld); }
  TSelection(const TSelection&) = delete;
  TSelection& operator=(const TSelection&) = delete;

 private:
  HDC FDc;
  HGDIOBJ FOld;
};

}  // namespace skin

#endif  // QUILLORY_SKIN_DRAW_WIN32_GDI_CENSUS_H_
