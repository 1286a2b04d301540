// One drawing pass over a DC.
#include "KVPaintPass.h"

#include "KVFont.h"

KVPaintPass::KVPaintPass(CDC* pDC, COLORREF color, const LOGFONT& font) {
  m_info.pDC = pDC;
  m_info.crColor = color;
  m_info.lfFont = font;
  pDC->SetTextColor(color);
  m_originalFont = pDC->SelectObject(KVGetFont(pDC->GetSafeHdc(), &font));
}

KVPaintPass::~KVPaintPass() { DeleteObject(m_info.pDC->SelectObject(m_originalFont)); }
