#include "platform/Dialogs.h"

namespace veltrane {

QStringList ScriptedDialogs::openFiles(const QString &title, const QString &folder, const QString &filter) {
  m_requests.append({Request::Kind::OpenFiles, title, folder, filter});
  return m_files.isEmpty() ? QStringList{} : m_files.takeFirst();
}

std::optional<QString> ScriptedDialogs::chooseFolder(const QString &title, const QString &start) {
  m_requests.append({Request::Kind::ChooseFolder, title, start, {}});
  return m_folders.isEmpty() ? std::nullopt : m_folders.takeFirst();
}

std::optional<QColor> ScriptedDialogs::chooseColour(const QColor &initial) {
  m_requests.append({Request::Kind::ChooseColour, {}, initial.name(), {}});
  return m_colours.isEmpty() ? std::nullopt : m_colours.takeFirst();
}

} // namespace veltrane
