// The page record: a generic object whose raw body is the PAGESIZE record.
#include "KVObjPage.h"

#include <cstring>

#include "KVProfile.h"

KVObjPage::KVObjPage() {
  m_wCode = SEG_PAGE;
  m_nDataSize = sizeof(PAGESIZE);
  m_pData = new BYTE[sizeof(PAGESIZE)];
  auto setting = [](const char* key, int value) {
    return static_cast<int>(KVGetProfileInt("PAGE", key, value));
  };
  SetPageSize(setting("Orientation", 1), setting("Size", 9), setting("Length", 2970),
              setting("Width", 2100), setting("Left", 2000), setting("Top", 2000),
              setting("Right", 2000), setting("Bottom", 2000));
  m_bDerty = false;
}

KVObjPage::KVObjPage(const KVObjPage& other) : KVObject(other) { m_bDerty = other.m_bDerty; }

KVObjPage::~KVObjPage() = default;

void KVObjPage::SetPageSize(int orientation, int paperSize, int length, int width, int left,
                            int top, int right, int bottom) {
  PAGESIZE size = {static_cast<int16_t>(orientation), static_cast<int16_t>(paperSize),
                   static_cast<int16_t>(length), static_cast<int16_t>(width), top, bottom, left,
                   right};
  SetPageSize(&size);
}

void KVObjPage::SetPageSize(const PAGESIZE* pSize) {
  std::memcpy(m_pData, pSize, sizeof(PAGESIZE));
  m_bDerty = true;
}

void KVObjPage::GetPageSize(PAGESIZE* pSize) const { std::memcpy(pSize, m_pData, sizeof(PAGESIZE)); }
