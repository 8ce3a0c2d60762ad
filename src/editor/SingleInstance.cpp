#include "SingleInstance.h"

#include <QElapsedTimer>
#include <QFile>
#include <QThread>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

TSingleInstanceLock::~TSingleInstanceLock() {
  if (fd_ >= 0)
    ::close(fd_);
}

bool TSingleInstanceLock::Acquire(const QString& path, int patienceMs) {
  const QByteArray name = QFile::encodeName(path);
  QElapsedTimer since;
  since.start();
  for (;;) {
    if (fd_ < 0)
      fd_ = ::open(name.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd_ >= 0 && ::flock(fd_, LOCK_EX | LOCK_NB) == 0)
      return true;
    if (since.elapsed() > patienceMs)
      return false;
    QThread::msleep(50);
  }
}
