// How the property defaults pages' controls map to the link and image attribute bits.
#pragma once

#include <windows.h>

// One link group's controls; title is the index in its title list.
struct LinkAttrView {
  int title;
  bool showPath;
  bool showExt;
  bool icon;
  bool border;
};

// Only memo links have the third title item (the document name bit with the file name bit).
LinkAttrView DecodeLinkAttr(UINT attr, bool memoLink);
// Every bit the page does not edit is written as 0.
UINT EncodeLinkAttr(const LinkAttrView& view);

// Image defaults: border, stretch and keep-aspect, nothing else.
struct ImageAttrView {
  bool border;
  bool stretch;
  bool keepAspect;
};
ImageAttrView DecodeImageAttr(UINT attr);
UINT EncodeImageAttr(const ImageAttrView& view);
