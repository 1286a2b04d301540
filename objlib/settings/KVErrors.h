// Result codes shared by every operation of the library: 0 or a count is success.
#pragma once

enum KVResult {
  KV_OK = 0,
  KV_ERR_NOT_SUPPORTED = -3,  // operation not supported by this document kind
  KV_ERR_NO_MEMORY = -4,
  KV_ERR_OPEN = -7,           // file cannot be opened or created
  KV_ERR_VERSION = -9,        // written in a newer format version
  KV_ERR_NO_FILE = -10,       // file reference not attached, or the shell refused
  KV_ERR_TOO_LONG = -12,      // selected text too long for a link
  KV_ERR_READ_WRITE = -47,    // file cannot be read or written; also a damaged stream
};
