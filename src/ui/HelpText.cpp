#include "ui/HelpText.h"

#include "common/Catalogues.h"
#include "storage/ProgramFolder.h"
#include "presets/SettingsText.h"

#include <QFile>
#include <QLocale>

namespace veltrane {

QString builtInHelpText() {
  // The text in the catalogue's language, else the English one.
  const QString language = catalogueLanguage(QLocale());
  QFile translated(QStringLiteral(":/veltrane/help_%1.txt").arg(language));
  if (!language.isEmpty() && translated.open(QIODevice::ReadOnly))
    return QString::fromUtf8(translated.readAll());
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
