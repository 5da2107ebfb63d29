#include "ui/HelpText.h"

#include "storage/ProgramFolder.h"
#include "presets/SettingsText.h"

#include <QFile>

namespace veltrane {

QString builtInHelpText() {
  QFile file(QStringLiteral(":/veltrane/help.txt"));
  if (!file.open(QIODevice::ReadOnly))
    return {};
  return QString::fromUtf8(file.readAll());
}

QString helpPanelText(const QString &readMePath) {
  const QByteArray bytes = readWholeFile(readMePath);
  if (bytes.isEmpty())
    return builtInHelpText();
  QString text = decodeSettingsText(bytes);
  // The panel breaks lines at LF; a CR before it would show as a box.
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return text;
}

} // namespace veltrane
