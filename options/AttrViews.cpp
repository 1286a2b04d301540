// Attribute bits as the property defaults pages show and store them.
#include "AttrViews.h"

#include "SettingsSchema.h"

LinkAttrView DecodeLinkAttr(UINT attr, bool memoLink) {
  LinkAttrView view = {};
  if (attr & kLinkAttrFileName) view.title = memoLink && (attr & kLinkAttrDocName) ? 2 : 1;
  view.showPath = !(attr & kLinkAttrHidePath);
  view.showExt = !(attr & kLinkAttrHideExt);
  view.icon = (attr & kLinkAttrIcon) != 0;
  view.border = (attr & kLinkAttrBorder) != 0;
  return view;
}

UINT EncodeLinkAttr(const LinkAttrView& view) {
  UINT attr = 0;
  if (view.title >= 1) attr |= kLinkAttrFileName;
  if (view.title == 2) attr |= kLinkAttrDocName;
  if (!view.showPath) attr |= kLinkAttrHidePath;
  if (!view.showExt) attr |= kLinkAttrHideExt;
  if (view.icon) attr |= kLinkAttrIcon;
  if (view.border) attr |= kLinkAttrBorder;
  return attr;
}

ImageAttrView DecodeImageAttr(UINT attr) {
  return {(attr & kImageAttrBorder) != 0, (attr & kImageAttrStretch) != 0,
          (attr & kImageAttrKeepAspect) != 0};
}

UINT EncodeImageAttr(const ImageAttrView& view) {
  return (view.border ? kImageAttrBorder : 0) | (view.stretch ? kImageAttrStretch : 0) |
         (view.keepAspect ? kImageAttrKeepAspect : 0);
}
