#include "configurator/logic/about_content.h"

#include "configurator/logic/texts.h"

namespace configurator {

TAboutContent AboutContent(std::string_view AVersion, TClock& AClock) {
  TAboutContent content;
  content.Caption = texts::WindowCaption(AVersion);
  content.Version = texts::VersionLine(AVersion);
  content.Address = texts::kMakerAddress;
  content.RightsNotice = texts::RightsNotice(AClock.CurrentYear());
  content.Web = texts::kMakerWeb;
  content.Mail = texts::kMakerMail;
  return content;
}

}  // namespace configurator
