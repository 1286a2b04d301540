// The page record: a generic object whose raw body is the PAGESIZE record.
#include "KVObjPage.h"

#include <cstring>

#include "KVProfile.h"

KVObjPage::KVObjPage() {
  m_wCode = SEG_PAGE;
  m_nDataSize = sizeof(PAGESIZE);
  m_pData = new BYTE[sizeof(PAGESIZE)];
  auto setting = [](const IntSetting& page) { return static_cast<int>(KVGetProfileInt(page)); };
  SetPageSize(setting(kPageOrientation), setting(kPagePaperSize), setting(kPageLength),
              setting(kPageWidth), setting(kPageLeft), setting(kPageTop), setting(kPageRight),
              setting(kPageBottom));
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
