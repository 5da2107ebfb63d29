#pragma once

// The committed test files under tests/data (made by the scripts beside
// them): sources/ holds the pictures, profiles and photos the decoder,
// colour and metadata tests read.

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QtGlobal>

namespace veltrane::test {

inline QString testDataPath(const char *name) {
  return QStringLiteral(VELTRANE_TEST_DATA "/") + QString::fromUtf8(name);
}

inline QByteArray testData(const char *name) {
  QFile file(testDataPath(name));
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A file of sources/; one missing is a broken checkout, not a case to skip.
inline QByteArray testSource(const QString &name) {
  QFile file(QStringLiteral(VELTRANE_TEST_DATA "/sources/") + name);
  if (!file.open(QIODevice::ReadOnly))
    qFatal("test file missing: %s", qPrintable(file.fileName()));
  return file.readAll();
}

} // namespace veltrane::test
