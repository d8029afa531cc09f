#include "ui/skin/gdiplus_lease_win32.h"

#include "ui/skin/gdiplus_win32.h"

namespace corvane {
namespace {

struct Session {
    CRITICAL_SECTION lock;
    int leases = 0;
    ULONG_PTR token = 0;
    bool started = false;

    Session() { InitializeCriticalSection(&lock); }
};

Session& TheSession() {
    static Session session;
    return session;
}

class Locked {
  public:
    explicit Locked(Session& s) : s_(s) { EnterCriticalSection(&s_.lock); }
    ~Locked() { LeaveCriticalSection(&s_.lock); }
    Locked(const Locked&) = delete;
    Locked& operator=(const Locked&) = delete;

  private:
    Session& s_;
};

}  // namespace

GdiplusLease::GdiplusLease() {
    Session& s = TheSession();
    Locked locked(s);
    if (s.leases++ == 0 || !s.started) {
        Gdiplus::GdiplusStartupInput input;  // version 1, no debug callback
        s.started = Gdiplus::GdiplusStartup(&s.token, &input, nullptr) == Gdiplus::Ok;
    }
    started_ = s.started;
}

GdiplusLease::~GdiplusLease() {
    Session& s = TheSession();
    Locked locked(s);
    if (--s.leases == 0 && s.started) {
        Gdiplus::GdiplusShutdown(s.token);
        s.started = false;
        s.token = 0;
    }
}

int LiveGdiplusLeases() {
    Session& s = TheSession();
    Locked locked(s);
    return s.leases;
}

bool GdiplusStartedByLeases() {
    Session& s = TheSession();
    Locked locked(s);
    return s.started;
}

}  // namespace corvane
