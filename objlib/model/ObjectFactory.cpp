// Object classes by code. Segment codes without a class of their own become generic
// objects, which keep their raw body and write it back unchanged.
#include "ObjectFactory.h"

#include "KVObjBmap.h"
#include "KVObjChar.h"
#include "KVObjLink.h"
#include "KVObjTBox.h"

KVObject* KVNewObjectForCode(unsigned code) {
  if (code == SEG_TBOX) return new KVObjTBox();
  if (code == SEG_LINK) return new KVObjLink();
  if (code == SEG_BMAP) return new KVObjBmap();
  return new KVObject();
}

// A nested text box is copied with its content; copied as a plain object it would lose it.
KVObject* KVCopyObject(const KVObject& source) {
  if (KVIsCharCode(source.m_wCode)) return new KVObjChar(static_cast<const KVObjChar&>(source));
  if (auto* box = dynamic_cast<const KVObjTBox*>(&source)) return new KVObjTBox(*box);
  if (auto* link = dynamic_cast<const KVObjLink*>(&source)) return new KVObjLink(*link);
  if (auto* bitmap = dynamic_cast<const KVObjBmap*>(&source)) return new KVObjBmap(*bitmap);
  return new KVObject(source);
}
