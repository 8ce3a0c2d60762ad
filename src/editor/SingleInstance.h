#pragma once
// One running copy per user session: an exclusive lock on a file named after
// the program in the temp directory. The kernel drops the lock when the
// process ends, crashed or not, so no stale lock ever blocks a start.

#include <QString>

class TSingleInstanceLock {
public:
  TSingleInstanceLock() = default;
  TSingleInstanceLock(const TSingleInstanceLock&) = delete;
  TSingleInstanceLock& operator=(const TSingleInstanceLock&) = delete;
  ~TSingleInstanceLock();

  // Tries to take the lock file `path` for up to `patienceMs` milliseconds,
  // so that a copy that is just closing has time to let go. False when
  // another process still holds it.
  bool Acquire(const QString& path, int patienceMs = 1000);

private:
  int fd_ = -1;
};
