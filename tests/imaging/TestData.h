#pragma once

// The committed test files under tests/data (made by its make-test-files).

#include <QByteArray>
#include <QFile>
#include <QString>

namespace veltrane::test {

inline QString testDataPath(const char *name) {
  return QStringLiteral(VELTRANE_TEST_DATA "/") + QString::fromUtf8(name);
}

inline QByteArray testData(const char *name) {
  QFile file(testDataPath(name));
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace veltrane::test
