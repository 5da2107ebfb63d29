#pragma once

// veltrane-batch run in a test's folder, as its users run it.
#include "TempFolder.h"

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QStringList>
#include <functional>
#include <gtest/gtest.h>

namespace veltrane::test {

struct ProgramRun {
  int exitCode = -1;
  QString out;
  QString err;
};
using Environment = QList<std::pair<QString, QString>>;

// Arguments written as one line, for those without spaces of their own.
inline QStringList words(const char *text) { return QString::fromUtf8(text).split(u' ', Qt::SkipEmptyParts); }

class BatchProgram : public ::testing::Test {
protected:
  test::TempFolder temp;
  // Quiet, with the first-run job, into a folder of the test's.
  QStringList base(const QString &out = QStringLiteral("out")) const {
    return {"--home", temp.file("home"), "--defaults", "-q", "-o", temp.file(out)};
  }
  // With the summary, on a screen of a known size.
  QStringList shown() const {
    return {"--home", temp.file("home"), "--screen", "800x600", "--output", temp.file("out")};
  }
  QStringList outputs() const { return QDir(temp.file("out")).entryList(QDir::Files, QDir::Name); }
  QSize sizeOf(const QString &name) const { return QImage(temp.file(name)).size(); }

  // Runs veltrane-batch in the test's folder to its end, with `input` on its
  // standard input and the environment changed (an empty value removes the
  // variable); `inChild` runs in the child before the program starts.
  ProgramRun run(const QStringList &arguments, const QByteArray &input = {},
                 const Environment &environment = {}, const std::function<void()> &inChild = {}) const {
    QProcess process;
    if (inChild)
      process.setChildProcessModifier(inChild);
    process.setWorkingDirectory(temp.path());
    QProcessEnvironment changed = QProcessEnvironment::systemEnvironment();
    for (const auto &[name, value] : environment)
      value.isEmpty() ? changed.remove(name) : changed.insert(name, value);
    process.setProcessEnvironment(changed);
    process.start(QStringLiteral(VELTRANE_BATCH_PROGRAM), arguments);
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(60000))
      return {};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
  }
};

} // namespace veltrane::test
