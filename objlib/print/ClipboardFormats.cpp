// Registration of the library's clipboard formats.
#include "ClipboardFormats.h"

namespace {
KVClipboardFormatIds g_formats;
}

const KVClipboardFormatIds& KVGetClipboardFormats() { return g_formats; }

void KVRegisterClipboardFormats() {
  g_formats.dataBus = RegisterClipboardFormatA("CF_KAVELO_DATA_BUS");
  g_formats.extendFile = RegisterClipboardFormatA("CF_KAVELO_EXTEND_FILE");
  g_formats.url = RegisterClipboardFormatA("UniformResourceLocator");
}
