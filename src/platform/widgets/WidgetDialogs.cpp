#include "platform/widgets/WidgetDialogs.h"

#include <QColorDialog>
#include <QFileDialog>

namespace veltrane {

QStringList WidgetDialogs::openFiles(const QString &title, const QString &folder, const QString &filter) {
  return QFileDialog::getOpenFileNames(parent(), title, folder, filter);
}

std::optional<QString> WidgetDialogs::chooseFolder(const QString &title, const QString &start) {
  const QString folder = QFileDialog::getExistingDirectory(parent(), title, start);
  if (folder.isEmpty())
    return std::nullopt;
  return folder;
}

std::optional<QColor> WidgetDialogs::chooseColour(const QColor &initial) {
  const QColor colour = QColorDialog::getColor(initial, parent());
  if (!colour.isValid())
    return std::nullopt;
  return colour;
}

} // namespace veltrane
