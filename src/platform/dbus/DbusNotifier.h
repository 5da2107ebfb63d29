#pragma once

#include "platform/Launcher.h"
#include "platform/Notifier.h"

#include <QDBusConnection>
#include <QElapsedTimer>
#include <QHash>
#include <QObject>

class QDBusPendingCallWatcher;

namespace veltrane {

// The freedesktop notification service (org.freedesktop.Notifications), with
// an action that opens a notice's folder through the launcher, and the
// LauncherEntry signal that docks and task bars read for a program's
// progress. Without a session bus it tells nobody.
class DbusNotifier : public QObject, public Notifier {
  Q_OBJECT

public:
  // The launcher must outlive the notifier.
  explicit DbusNotifier(Launcher &launcher, QDBusConnection bus = QDBusConnection::sessionBus());

  void notify(const Notice &notice) override;
  void showProgress(double fraction, bool shown) override;

  // The program's desktop entry, by which the desktop knows its icon.
  static constexpr char kDesktopEntry[] = "org.veltrane.Veltrane";
  static constexpr char kOpenFolderAction[] = "open-folder";

private slots:
  void actionInvoked(uint id, const QString &action);
  void notificationClosed(uint id, uint reason);

private:
  void remember(QDBusPendingCallWatcher *call, const QString &folder);

  Launcher &m_launcher;
  QDBusConnection m_bus;
  QHash<uint, QString> m_folders; // by notification, the folder its action opens
  QElapsedTimer m_sinceProgress;
  bool m_progressShown = false;
};

} // namespace veltrane
