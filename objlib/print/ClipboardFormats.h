// The clipboard formats the library registers when it is loaded.
#pragma once

#include <windows.h>

#include "KVObjApi.h"

struct KVClipboardFormatIds {
  UINT dataBus;     // "CF_KAVELO_DATA_BUS": a memo stream without document head
  UINT extendFile;  // "CF_KAVELO_EXTEND_FILE": the whole bytes of a memo file
  UINT url;         // "UniformResourceLocator"
};

KVOBJ_API const KVClipboardFormatIds& KVGetClipboardFormats();
void KVRegisterClipboardFormats();
