#include "skin/draw/win32/gdi_census.h"

#include <atomic>

namespace skin {
namespace {
std::atomic<std::int64_t> GCreated{0};
std::atomic<std::int64_t> GDeleted{0};
}  // namespace

TGdiCensus GdiCensus() {
  return {GCreated.load(), GDeleted.load()};
}

namespace gdi_census_detail {
void NoteCreated() {
  GCreated.fetch_add(1);
}
void NoteDeleted() {
  GDeleted.fetch_add(1);
}
}  // namespace gdi_census_detail

}  // namespace skin
