// Quillory's own skin, compiled into the program: the bytes of the skin
// archive built from quillory.skin and the bitmaps skin_generator draws.
//
// Thread safety: constant data.
#ifndef QUILLORY_SKIN_OWN_OWN_SKIN_H_
#define QUILLORY_SKIN_OWN_OWN_SKIN_H_

#include <cstdint>
#include <span>

namespace skin {

// The skin archive (a ".zsk" file's bytes), unencrypted.
std::span<const std::uint8_t> OwnSkinData();

}  // namespace skin

#endif  // QUILLORY_SKIN_OWN_OWN_SKIN_H_
