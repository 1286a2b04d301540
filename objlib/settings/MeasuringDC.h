// The DC that measuring uses when it is handed none: the desktop window's.
#pragma once

#include <windows.h>

// Getting and releasing the desktop's DC costs far more than a measurement (tens of
// microseconds under Wine against one), and a load measures every new character code and
// every link caption. A Hold keeps the first DC measuring gets on its thread while it
// lasts; later measuring borrows it, and each borrower selects back what it selected.
class MeasuringDC {
 public:
  class Hold {
   public:
    Hold();
    ~Hold();
    Hold(const Hold&) = delete;
    Hold& operator=(const Hold&) = delete;
  };

  // hdc itself; without one, the held desktop DC, or a desktop DC of its own.
  explicit MeasuringDC(HDC hdc);
  ~MeasuringDC();
  MeasuringDC(const MeasuringDC&) = delete;
  MeasuringDC& operator=(const MeasuringDC&) = delete;
  HDC Get() const { return m_hdc; }
  operator HDC() const { return m_hdc; }

 private:
  HDC m_hdc;
  bool m_own;
};
