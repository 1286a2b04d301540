// The viewer plug-in host: registration by extension, loading, and the calls into the
// plug-in. A plug-in is someone else's code: whatever it lacks leaves an empty area.
#include "KVDocPlugin.h"

#include <cstdlib>
#include <cstring>

#include "DiskFile.h"
#include "FaultGuard.h"
#include "KVErrors.h"
#include "KVFile.h"
#include "KVFont.h"
#include "KVFrame.h"
#include "KVProfile.h"
#include "OffscreenBitmap.h"
#include "SavedDC.h"
#include "ViewerRegistry.h"

namespace {

const char* const kRequired[] = {"Create", "OnPaint", "OnNotPaint", "Destroy"};

template <typename Function>
Function As(FARPROC entry) {
  return reinterpret_cast<Function>(reinterpret_cast<void*>(entry));
}

}  // namespace

// No content of its own: an empty list stands in, so the document root's operations that
// consult the content (scrolling, dirty state) find nothing to do.
KVDocPlugin::KVDocPlugin()
    : m_hInstance(0), m_szTarget(), m_hLibrary(nullptr), m_bFaulted(false) {
  m_pContent = new KVObjList();
}

KVDocPlugin::~KVDocPlugin() { Unload(); }

int KVDocPlugin::SetData(int, SEG_HEAD*, int) { return KV_ERR_NOT_SUPPORTED; }
int KVDocPlugin::Save(WINDOWPLACEMENT*, KVFile*) { return KV_ERR_NOT_SUPPORTED; }

void KVDocPlugin::SetSize(CSize size) {
  cx = size.cx;
  cy = size.cy;
}

FARPROC KVDocPlugin::Entry(const char* name) const {
  return m_hLibrary ? GetProcAddress(m_hLibrary, name) : nullptr;
}

bool KVDocPlugin::HasRequiredEntries() const {
  for (const char* name : kRequired)
    if (!Entry(name)) return false;
  return true;
}

// A plug-in that faulted is left loaded: timers, hooks or window procedures it installed
// may still point into it, and its detach code is no more trustworthy than the call.
template <typename Call>
bool KVDocPlugin::CallPlugin(Call&& call) {
  if (KVRunGuarded(call)) return true;
  m_hLibrary = nullptr;
  m_hInstance = 0;
  m_bFaulted = true;
  return false;
}

int KVDocPlugin::Load(KVFile* pFile) {
  Unload();
  m_bFaulted = false;
  m_szTarget[0] = '\0';
  pFile->GetPathName(m_szTarget);
  if (!KVIsDiskFile(m_szTarget)) return 0;  // a plug-in would open a device as it is
  char drive[_MAX_DRIVE], dir[_MAX_DIR], name[_MAX_FNAME], ext[_MAX_EXT];
  _splitpath(m_szTarget, drive, dir, name, ext);
  if (std::strlen(ext) <= 1) return 0;
  char library[MAX_PATH] = "";
  if (!KVViewerLibraryFor(ext + 1, library, sizeof library) ||
      !(m_hLibrary = LoadLibraryA(library)))
    return 0;
  if (!HasRequiredEntries()) {
    Unload();
    return 0;
  }
  const RECT area = {x, y, x + cx, y + cy};
  const auto create = As<KVViewerCreate>(Entry("Create"));
  KVViewerInstance instance = 0;
  if (!CallPlugin([&] { instance = create(g_hwndView, area, m_szTarget); })) return 0;
  m_hInstance = instance;
  if (m_hInstance == 0) Unload();  // refused: nothing to destroy
  return 0;
}

// Destroy comes only for an instance that Create gave.
void KVDocPlugin::Unload() {
  if (!m_hLibrary) return;
  if (m_hInstance) {
    const auto destroy = As<KVViewerNotice>(Entry("Destroy"));
    if (!CallPlugin([&] { destroy(g_hwndView, m_hInstance); })) return;
  }
  FreeLibrary(m_hLibrary);
  m_hLibrary = nullptr;
  m_hInstance = 0;
}

void KVDocPlugin::Paint(HDC hdc, const RECT& area) {
  const auto paint = As<KVViewerPaint>(Entry("OnPaint"));
  CallPlugin([&] { paint(g_hwndView, m_hInstance, hdc, area); });
}

// On a device of another resolution (a printer) the plug-in paints at the screen's
// resolution into a bitmap that is stretched over the area: the picture keeps its size on
// paper, and the plug-in never meets a printer's DC.
void KVDocPlugin::PaintScaled(HDC hdc, const RECT& area) {
  const KVResolution screen = KVGetReferenceResolution();
  const int width = MulDiv(area.right - area.left, screen.x, GetDeviceCaps(hdc, LOGPIXELSX));
  const int height = MulDiv(area.bottom - area.top, screen.y, GetDeviceCaps(hdc, LOGPIXELSY));
  OffscreenBitmap picture(width, height, m_pContent->m_crBackColor);
  if (!picture.Dc()) return;
  Paint(picture.Dc(), {0, 0, width, height});
  picture.Draw(hdc, area);
}

// The plug-in draws first, kept inside its area; the frame and the selection come after.
void KVDocPlugin::Draw(PAINTINFO* pInfo, CPoint origin, CRect clip, bool bSelected) {
  if (!m_hLibrary && !m_bFaulted) return;
  CRect area(x + origin.x, y + origin.y, x + origin.x + cx, y + origin.y + cy);
  CRect visible;
  if (!IntersectRect(&visible, &area, &clip)) return;
  HDC hdc = pInfo->pDC->GetSafeHdc();
  if (m_hLibrary) {
    SavedDC saved(hdc, visible);
    if (GetDeviceCaps(hdc, LOGPIXELSX) == KVGetReferenceResolution().x)
      Paint(hdc, area);
    else
      PaintScaled(hdc, area);
  }
  if (m_nAttr & 1) KVDrawFrame(hdc, area);
  if (bSelected) pInfo->pDC->InvertRect(area);
}

void KVDocPlugin::NoDraw() {
  if (!m_hLibrary) return;
  const auto notice = As<KVViewerNotice>(Entry("OnNotPaint"));
  CallPlugin([&] { notice(g_hwndView, m_hInstance); });
}
