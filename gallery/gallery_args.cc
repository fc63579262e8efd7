#include "gallery/gallery_args.h"

#include <charconv>

namespace gallery {

std::optional<TDialogKind> DialogKindFromName(const std::string& AName) {
  if (AName == "mdi") return TDialogKind::Mdi;
  if (AName == "modal") return TDialogKind::Modal;
  if (AName == "message") return TDialogKind::Message;
  if (AName == "folder") return TDialogKind::Folder;
  if (AName == "open") return TDialogKind::Open;
  if (AName == "plain") return TDialogKind::Plain;
  if (AName == "nosysmenu") return TDialogKind::NoSysMenu;
  return std::nullopt;
}

std::optional<TGalleryArgs> ParseGalleryArgs(const std::vector<std::string>& AArgs,
                                             std::string& AError) {
  TGalleryArgs result;
  for (size_t i = 0; i < AArgs.size(); ++i) {
    const std::string& name = AArgs[i];
    if (name == "-noskin") {
      result.Skin = false;
      continue;
    }
    if (name != "-page" && name != "-dialog") {
      AError = "unknown switch: " + name;
      return std::nullopt;
    }
    if (i + 1 >= AArgs.size()) {
      AError = name + " needs a value";
      return std::nullopt;
    }
    const std::string& value = AArgs[++i];
    if (name == "-page") {
      int page = 0;
      const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), page);
      if (error != std::errc() || end != value.data() + value.size() || page < 1) {
        AError = "-page needs a number from 1: " + value;
        return std::nullopt;
      }
      result.Page = page;
    } else {
      const auto kind = DialogKindFromName(value);
      if (!kind) {
        AError = "-dialog needs mdi, modal, message, folder, open, plain or nosysmenu: " + value;
        return std::nullopt;
      }
      result.Dialog = *kind;
    }
  }
  return result;
}

}  // namespace gallery
