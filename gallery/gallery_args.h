// The command line of the widget gallery: "-page N" opens at page N (from
// 1), "-dialog mdi|modal|message|folder|open|plain|nosysmenu" opens that
// window at start, "-noskin" starts with the skin engine switched off.
// Portable.
//
// Thread safety: plain functions.
#ifndef QUILLORY_GALLERY_GALLERY_ARGS_H_
#define QUILLORY_GALLERY_GALLERY_ARGS_H_

#include <optional>
#include <string>
#include <vector>

namespace gallery {

enum class TDialogKind { None, Mdi, Modal, Message, Folder, Open, Plain, NoSysMenu };

struct TGalleryArgs {
  int Page = 1;  // from 1
  TDialogKind Dialog = TDialogKind::None;
  bool Skin = true;  // false with -noskin
};

// Reads AArgs (without the program name). Returns nothing and sets AError
// to a message naming the fault for an unknown switch, a missing or
// malformed value, or a page below 1; a page beyond the last one is the
// caller's to check.
std::optional<TGalleryArgs> ParseGalleryArgs(const std::vector<std::string>& AArgs,
                                             std::string& AError);

// The dialog named AName ("mdi", ...), or nothing.
std::optional<TDialogKind> DialogKindFromName(const std::string& AName);

}  // namespace gallery

#endif  // QUILLORY_GALLERY_GALLERY_ARGS_H_
