#include "shell/FileManagerMenu.h"

#include "storage/AtomicFile.h"
#include "storage/ProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <algorithm>
#include <utility>

namespace veltrane {

namespace {

struct Kinds {
  QString tag;            // in file names
  QString title;          // in the GNOME Files script's name
  QStringList extensions; // lower case
  QString mimeTypes;      // for Dolphin
};

Kinds kindsOf(PictureKinds kinds) {
  if (kinds == PictureKinds::Jpeg)
    return {QStringLiteral("jpeg"),
            QStringLiteral("JPG and JPEG"),
            {QStringLiteral("jpg"), QStringLiteral("jpeg")},
            QStringLiteral("image/jpeg;")};
  return {QStringLiteral("bmp-gif"),
          QStringLiteral("BMP and GIF"),
          {QStringLiteral("bmp"), QStringLiteral("gif")},
          QStringLiteral("image/bmp;image/gif;")};
}

QString shellCommand(const QStringList &words) {
  QStringList quoted;
  for (const QString &word : words)
    quoted.append(shellQuoted(word));
  return quoted.join(u' ');
}

QString desktopCommand(const QStringList &words) {
  QStringList quoted;
  for (const QString &word : words)
    quoted.append(desktopExecQuoted(word));
  return quoted.join(u' ');
}

// GNOME Files passes every selected file: the script keeps the pair's types.
QByteArray nautilusScriptText(const Kinds &kinds, const QStringList &command) {
  QString patterns;
  for (const QString &extension : kinds.extensions)
    patterns += QStringLiteral("*.%1|").arg(extension);
  patterns.chop(1);
  return QStringLiteral("#!/bin/sh\n"
                        "# Resize/Resample with Veltrane: the selected %1 files.\n"
                        "for f in \"$@\"; do\n"
                        "  case \"$(printf '%s' \"$f\" | tr '[:upper:]' '[:lower:]')\" in\n"
                        "    %2) set -- \"$@\" \"$f\" ;;\n"
                        "  esac\n"
                        "  shift\n"
                        "done\n"
                        "[ $# -gt 0 ] && exec %3 -- \"$@\"\n")
      .arg(kinds.title, patterns, shellCommand(command))
      .toUtf8();
}

QByteArray dolphinText(const Kinds &kinds, const QStringList &command) {
  return QStringLiteral("[Desktop Entry]\n"
                        "Type=Service\n"
                        "MimeType=%1\n"
                        "Actions=veltraneResize;\n"
                        "X-KDE-ServiceTypes=KonqPopupMenu/Plugin\n"
                        "\n"
                        "[Desktop Action veltraneResize]\n"
                        "Name=Resi&ze/Resample\n"
                        "Icon=org.veltrane.Veltrane\n"
                        "Exec=%2 -- %F\n")
      .arg(kinds.mimeTypes, desktopCommand(command))
      .toUtf8();
}

QByteArray nemoText(const Kinds &kinds, const QStringList &command) {
  return QStringLiteral("[Nemo Action]\n"
                        "Name=Resi_ze/Resample\n"
                        "Comment=Add the pictures to Veltrane's list\n"
                        "Exec=%1 -- %F\n"
                        "Icon-Name=org.veltrane.Veltrane\n"
                        "Selection=notnone\n"
                        "Extensions=%2;\n")
      .arg(desktopCommand(command), kinds.extensions.join(u';'))
      .toUtf8();
}

QString thunarCommand(const QStringList &command) { return shellCommand(command) + QStringLiteral(" -- %F"); }

// Written whole, then given its mode: the script and Dolphin's menu must be executable.
Result<> writeEntry(const QString &path, const QByteArray &bytes, QFile::Permissions permissions) {
  if (!QDir().mkpath(QFileInfo(path).absolutePath()))
    return failure(QStringLiteral("%1: the folder cannot be made").arg(QDir::toNativeSeparators(path)));
  if (Result<> written = writeFileAtomically(path, bytes); !written)
    return written;
  if (!QFile::setPermissions(path, permissions))
    return failure(QStringLiteral("%1: its permissions cannot be set").arg(QDir::toNativeSeparators(path)));
  return {};
}

constexpr QFile::Permissions kExecutable = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                           QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther |
                                           QFile::ExeOther;
constexpr QFile::Permissions kReadable =
    QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther;

bool holds(const QString &path, const QByteArray &wanted) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) && file.size() < (1 << 20) && file.readAll() == wanted;
}

} // namespace

QList<FileManager> installedFileManagers() {
  QList<FileManager> installed;
  const std::pair<FileManager, QString> programs[] = {{FileManager::Nautilus, QStringLiteral("nautilus")},
                                                      {FileManager::Dolphin, QStringLiteral("dolphin")},
                                                      {FileManager::Nemo, QStringLiteral("nemo")},
                                                      {FileManager::Thunar, QStringLiteral("thunar")}};
  for (const auto &[manager, program] : programs)
    if (!QStandardPaths::findExecutable(program).isEmpty())
      installed.append(manager);
  return installed;
}

QString desktopExecQuoted(const QString &program) {
  QString quoted;
  for (const QChar c : program) {
    if (c == u'%')
      quoted += u'%'; // a field code otherwise
    else if (c == u'"' || c == u'`' || c == u'$')
      quoted += u'\\';
    else if (c == u'\\')
      quoted += QStringLiteral("\\\\\\"); // escaped for the quoting, then again for the string
    quoted += c;
  }
  return u'"' + quoted + u'"';
}

QString shellQuoted(const QString &text) {
  QString quoted = text;
  quoted.replace(u'\'', QStringLiteral("'\\''"));
  return u'\'' + quoted + u'\'';
}

FileManagerMenu::FileManagerMenu(QString program, QString dataHome, QString configHome, QStringList arguments,
                                 QList<FileManager> present)
    : m_command(QStringList{std::move(program)} + std::move(arguments)), m_dataHome(std::move(dataHome)),
      m_configHome(std::move(configHome)), m_present(std::move(present)) {}

FileManagerMenu FileManagerMenu::forUser(const QString &program, const QStringList &arguments) {
  return {program, QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation),
          QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation), arguments,
          installedFileManagers()};
}

QString FileManagerMenu::nautilusScript(PictureKinds kinds) const {
  return m_dataHome + QStringLiteral("/nautilus/scripts/Resize-Resample %1").arg(kindsOf(kinds).title);
}
QString FileManagerMenu::dolphinServiceMenu(PictureKinds kinds) const {
  return m_dataHome + QStringLiteral("/kio/servicemenus/veltrane-%1.desktop").arg(kindsOf(kinds).tag);
}
QString FileManagerMenu::nemoAction(PictureKinds kinds) const {
  return m_dataHome + QStringLiteral("/nemo/actions/veltrane-%1.nemo_action").arg(kindsOf(kinds).tag);
}
QString FileManagerMenu::thunarActions() const { return m_configHome + QStringLiteral("/Thunar/uca.xml"); }

Result<> FileManagerMenu::install(PictureKinds kinds) const {
  const Kinds k = kindsOf(kinds);
  QStringList failed;
  const auto note = [&](const Result<> &result) {
    if (!result)
      failed.append(result.reason());
  };
  if (m_present.contains(FileManager::Nautilus))
    note(writeEntry(nautilusScript(kinds), nautilusScriptText(k, m_command), kExecutable));
  if (m_present.contains(FileManager::Dolphin))
    note(writeEntry(dolphinServiceMenu(kinds), dolphinText(k, m_command), kExecutable));
  if (m_present.contains(FileManager::Nemo))
    note(writeEntry(nemoAction(kinds), nemoText(k, m_command), kReadable));
  if (m_present.contains(FileManager::Thunar)) {
    const QString thunar = thunarActions();
    const Result<QByteArray> merged =
        mergeThunarActions(readWholeFile(thunar), kinds, thunarCommand(m_command), true);
    if (!merged)
      failed.append(QStringLiteral("%1: left as it was, since %2")
                        .arg(QDir::toNativeSeparators(thunar), merged.reason()));
    else
      note(writeEntry(thunar, *merged, kReadable));
  }
  if (!failed.isEmpty())
    return failure(failed.join(QStringLiteral("\n")));
  return {};
}

Result<> FileManagerMenu::remove(PictureKinds kinds) const {
  QStringList failed;
  for (const QString &path : {nautilusScript(kinds), dolphinServiceMenu(kinds), nemoAction(kinds)})
    if (QFileInfo::exists(path) && !QFile::remove(path))
      failed.append(QStringLiteral("%1: it cannot be removed").arg(QDir::toNativeSeparators(path)));
  const QString thunar = thunarActions();
  if (QFileInfo::exists(thunar)) {
    const QByteArray existing = readWholeFile(thunar);
    const Result<QByteArray> merged = mergeThunarActions(existing, kinds, thunarCommand(m_command), false);
    if (!merged)
      failed.append(QStringLiteral("%1: left as it was, since %2")
                        .arg(QDir::toNativeSeparators(thunar), merged.reason()));
    else if (thunarHasAction(existing, kinds, {})) // ours, for this program or an older place of it
      if (const Result<> written = writeFileAtomically(thunar, *merged); !written)
        failed.append(written.reason());
  }
  if (!failed.isEmpty())
    return failure(failed.join(QStringLiteral("\n")));
  return {};
}

bool FileManagerMenu::isInstalled(PictureKinds kinds) const {
  const Kinds k = kindsOf(kinds);
  const auto there = [&](FileManager manager) {
    switch (manager) {
    case FileManager::Nautilus: return holds(nautilusScript(kinds), nautilusScriptText(k, m_command));
    case FileManager::Dolphin: return holds(dolphinServiceMenu(kinds), dolphinText(k, m_command));
    case FileManager::Nemo: return holds(nemoAction(kinds), nemoText(k, m_command));
    case FileManager::Thunar:
      return thunarHasAction(readWholeFile(thunarActions()), kinds, thunarCommand(m_command));
    }
    return false;
  };
  return anyFileManager() && std::all_of(m_present.begin(), m_present.end(), there);
}

} // namespace veltrane
