// The GDI+ lifetime: every live image object holds a lease; the first lease
// starts GDI+ and the last one shuts it down. The count and the token are
// guarded by one critical section, the program's only lock.
#pragma once

namespace corvane {

class GdiplusLease {
  public:
    GdiplusLease();
    ~GdiplusLease();
    GdiplusLease(const GdiplusLease&) = delete;
    GdiplusLease& operator=(const GdiplusLease&) = delete;

    // False when GDI+ could not be started: every load then fails.
    bool started() const { return started_; }

  private:
    bool started_;
};

// The number of live leases (for tests).
int LiveGdiplusLeases();
// True while GDI+ is started by the leases (for tests).
bool GdiplusStartedByLeases();

}  // namespace corvane
