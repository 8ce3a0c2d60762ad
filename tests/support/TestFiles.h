#pragma once
// Small helpers the tests share: file contents and the text of raised errors.

#include "ExceptionUnit.h"

#include <QFile>
#include <QStringList>
#include <QTest>

#include <functional>

inline QByteArray Contents(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline void SetContents(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  QCOMPARE(file.write(bytes), bytes.size());
}

// The message lines of the error the body raises, context names included;
// empty when it raises nothing.
inline QStringList RaisedLines(const std::function<void()>& body) {
  try {
    body();
  } catch (const TError& error) {
    return error.Message().split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
  }
  return {};
}
