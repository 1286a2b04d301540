// Object classes by code. Segment codes without a class of their own become generic
// objects, which keep their raw body and write it back unchanged.
#include "ObjectFactory.h"

#include "KVObjChar.h"

KVObject* KVNewObjectForCode(unsigned) { return new KVObject(); }

KVObject* KVCopyObject(const KVObject& source) {
  if (KVIsCharCode(source.m_wCode)) return new KVObjChar(static_cast<const KVObjChar&>(source));
  return new KVObject(source);
}
