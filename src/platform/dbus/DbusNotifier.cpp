#include "platform/dbus/DbusNotifier.h"

#include "common/MessageText.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QVariantMap>
#include <algorithm>

namespace veltrane {
namespace {

const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
const QString kInterface = QStringLiteral("org.freedesktop.Notifications");
// Docks only need the signal; the path names the sender.
const QString kLauncherPath = QStringLiteral("/org/veltrane/Veltrane");
const QString kLauncherInterface = QStringLiteral("com.canonical.Unity.LauncherEntry");
// Progress is a hint for the eye: a few updates a second are enough.
constexpr qint64 kProgressIntervalMs = 250;

QString appUri() {
  return QStringLiteral("application://%1.desktop").arg(QLatin1String(DbusNotifier::kDesktopEntry));
}

} // namespace

DbusNotifier::DbusNotifier(Launcher &launcher, QDBusConnection bus)
    : m_launcher(launcher), m_bus(std::move(bus)) {
  if (!m_bus.isConnected())
    return;
  m_bus.connect(kService, kPath, kInterface, QStringLiteral("ActionInvoked"), this,
                SLOT(actionInvoked(uint, QString)));
  m_bus.connect(kService, kPath, kInterface, QStringLiteral("NotificationClosed"), this,
                SLOT(notificationClosed(uint, uint)));
}

void DbusNotifier::notify(const Notice &notice) {
  if (!m_bus.isConnected())
    return;
  QStringList actions;
  if (!notice.folder.isEmpty()) {
    // "default" is a click on the notice itself.
    const QString open = MessageText::tr("Open folder");
    actions << QStringLiteral("default") << open << QLatin1String(kOpenFolderAction) << open;
  }
  const QVariantMap hints{{QStringLiteral("desktop-entry"), QLatin1String(kDesktopEntry)}};
  QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kInterface, QStringLiteral("Notify"));
  call << QStringLiteral("Veltrane") << uint(0) << QLatin1String(kDesktopEntry) << notice.title << notice.body
       << actions << hints << int(-1);
  auto *watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call), this); // deletes itself
  remember(watcher, notice.folder);
}

void DbusNotifier::remember(QDBusPendingCallWatcher *call, const QString &folder) {
  connect(call, &QDBusPendingCallWatcher::finished, this, [this, folder](QDBusPendingCallWatcher *done) {
    const QDBusPendingReply<uint> reply = *done;
    if (!reply.isError() && !folder.isEmpty())
      m_folders.insert(reply.value(), folder);
    done->deleteLater();
  });
}

void DbusNotifier::actionInvoked(uint id, const QString &action) {
  const auto found = m_folders.constFind(id);
  if (found == m_folders.constEnd())
    return; // another program's notice
  if (action == QLatin1String("default") || action == QLatin1String(kOpenFolderAction))
    m_launcher.openFolder(*found, WindowMode::Normal);
}

void DbusNotifier::notificationClosed(uint id, uint) { m_folders.remove(id); }

void DbusNotifier::showProgress(double fraction, bool shown) {
  if (!m_bus.isConnected())
    return;
  // A change of shown always goes out, so the bar never stays behind.
  if (shown == m_progressShown && m_sinceProgress.isValid() &&
      !m_sinceProgress.hasExpired(kProgressIntervalMs))
    return;
  m_progressShown = shown;
  m_sinceProgress.start();
  QDBusMessage update =
      QDBusMessage::createSignal(kLauncherPath, kLauncherInterface, QStringLiteral("Update"));
  const QVariantMap properties{{QStringLiteral("progress"), std::clamp(fraction, 0.0, 1.0)},
                               {QStringLiteral("progress-visible"), shown}};
  update << appUri() << properties;
  m_bus.send(update);
}

} // namespace veltrane
