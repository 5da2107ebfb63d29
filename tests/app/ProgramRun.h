#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <functional>

namespace veltrane::test {

struct ProgramRun {
  int exitCode = -1;
  QString out;
  QString err;
};

// Runs veltrane-batch to its end, with `input` on its standard input and the
// test's environment changed by `environment` (an empty value removes the
// variable).
// `inChild` runs in the child before the program starts (limits, descriptors).
inline ProgramRun runProgram(const QStringList &arguments, const QString &workingFolder,
                             const QByteArray &input = {},
                             const QList<std::pair<QString, QString>> &environment = {},
                             const std::function<void()> &inChild = {}) {
  QProcess process;
  if (inChild)
    process.setChildProcessModifier(inChild);
  process.setWorkingDirectory(workingFolder);
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

} // namespace veltrane::test
