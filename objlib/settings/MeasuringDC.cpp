// The desktop DC for measuring, held by a load or got for each measurement; a hold gets it
// only when something is measured, as a typed character usually comes from the cache.
#include "MeasuringDC.h"

namespace {

thread_local HDC t_held = nullptr;
thread_local int t_holds = 0;

}  // namespace

MeasuringDC::Hold::Hold() { ++t_holds; }

MeasuringDC::Hold::~Hold() {
  if (--t_holds == 0 && t_held) {
    ReleaseDC(GetDesktopWindow(), t_held);
    t_held = nullptr;
  }
}

MeasuringDC::MeasuringDC(HDC hdc) : m_hdc(hdc), m_own(false) {
  if (m_hdc) return;
  if (!t_held && t_holds > 0) t_held = GetWindowDC(GetDesktopWindow());
  m_hdc = t_held;
  if (m_hdc) return;
  m_hdc = GetWindowDC(GetDesktopWindow());
  m_own = m_hdc != nullptr;
}

MeasuringDC::~MeasuringDC() {
  if (m_own) ReleaseDC(GetDesktopWindow(), m_hdc);
}
