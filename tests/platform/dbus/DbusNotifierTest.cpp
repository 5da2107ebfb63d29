#include "platform/dbus/DbusNotifier.h"

#include <QDBusMessage>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace veltrane {

// The desktop's notification service, as far as the notifier uses it.
class FakeNotifications : public QObject {
  Q_OBJECT
  Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

public:
  struct Call {
    QString app, icon, summary, body;
    QStringList actions;
    QVariantMap hints;
  };
  QList<Call> calls;

public slots:
  uint Notify(const QString &app, uint, const QString &icon, const QString &summary, const QString &body,
              const QStringList &actions, const QVariantMap &hints, int) {
    calls.append({app, icon, summary, body, actions, hints});
    return uint(calls.size() + 40);
  }
};

// What docks hear of the program's progress.
class LauncherEntryListener : public QObject {
  Q_OBJECT

public:
  QList<QVariantMap> updates;
  QStringList uris;

public slots:
  void update(const QString &uri, const QVariantMap &properties) {
    uris.append(uri);
    updates.append(properties);
  }
};

namespace {

class DbusNotifierTest : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(QDBusConnection::sessionBus().isConnected()) << "run under dbus-run-session";
    ASSERT_TRUE(desktop.registerService(QStringLiteral("org.freedesktop.Notifications")));
    ASSERT_TRUE(desktop.registerObject(QStringLiteral("/org/freedesktop/Notifications"), &service,
                                       QDBusConnection::ExportAllSlots));
    ASSERT_TRUE(desktop.connect(QString(), QStringLiteral("/org/veltrane/Veltrane"),
                                QStringLiteral("com.canonical.Unity.LauncherEntry"), QStringLiteral("Update"),
                                &dock, SLOT(update(QString, QVariantMap))));
  }
  void TearDown() override { QDBusConnection::disconnectFromBus(desktop.name()); }

  void clickAction(uint id, const QString &action) {
    QDBusMessage clicked = QDBusMessage::createSignal(QStringLiteral("/org/freedesktop/Notifications"),
                                                      QStringLiteral("org.freedesktop.Notifications"),
                                                      QStringLiteral("ActionInvoked"));
    clicked << id << action;
    desktop.send(clicked);
  }

  QDBusConnection desktop =
      QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("desktop"));
  FakeNotifications service;
  LauncherEntryListener dock;
  RecordingLauncher launcher;
};

TEST_F(DbusNotifierTest, NoticesReachTheServiceAndTheirActionOpensTheFolder) {
  DbusNotifier notifier(launcher);
  notifier.notify(
      {QStringLiteral("Resizing done"), QStringLiteral("3 pictures written"), QStringLiteral("/out")});
  ASSERT_TRUE(QTest::qWaitFor([&] { return service.calls.size() == 1; }));
  const FakeNotifications::Call &call = service.calls.first();
  EXPECT_EQ(call.app, QStringLiteral("Veltrane"));
  EXPECT_EQ(call.summary, QStringLiteral("Resizing done"));
  EXPECT_EQ(call.body, QStringLiteral("3 pictures written"));
  EXPECT_EQ(call.icon, QStringLiteral("org.veltrane.Veltrane"));
  EXPECT_EQ(call.hints.value(QStringLiteral("desktop-entry")).toString(),
            QStringLiteral("org.veltrane.Veltrane"));
  EXPECT_TRUE(call.actions.contains(QStringLiteral("open-folder")));

  // A notice without a folder offers nothing to click; another program's
  // notice is not the notifier's to answer.
  notifier.notify({QStringLiteral("Resizing done"), QStringLiteral("1 picture written"), QString()});
  ASSERT_TRUE(QTest::qWaitFor([&] { return service.calls.size() == 2; }));
  EXPECT_TRUE(service.calls[1].actions.isEmpty());
  clickAction(7, QStringLiteral("open-folder"));
  clickAction(41, QStringLiteral("open-folder"));
  ASSERT_TRUE(QTest::qWaitFor([&] { return !launcher.launches().isEmpty(); }));
  QTest::qWait(50);
  EXPECT_EQ(launcher.launches(),
            (QList{RecordingLauncher::Launch{RecordingLauncher::Kind::Folder, QStringLiteral("/out"),
                                             WindowMode::Normal}}));
}

TEST_F(DbusNotifierTest, ProgressGoesToTheDockAFewTimesASecondAndItsEndAlways) {
  DbusNotifier notifier(launcher);
  for (int step = 1; step <= 5; ++step)
    notifier.showProgress(step / 10.0, true);
  notifier.showProgress(1, false);
  ASSERT_TRUE(QTest::qWaitFor([&] { return dock.updates.size() == 2; }));
  QTest::qWait(50);
  ASSERT_EQ(dock.updates.size(), 2) << "the updates within a quarter second are left out";
  EXPECT_EQ(dock.uris.first(), QStringLiteral("application://org.veltrane.Veltrane.desktop"));
  EXPECT_DOUBLE_EQ(dock.updates[0].value(QStringLiteral("progress")).toDouble(), 0.1);
  EXPECT_TRUE(dock.updates[0].value(QStringLiteral("progress-visible")).toBool());
  EXPECT_FALSE(dock.updates[1].value(QStringLiteral("progress-visible")).toBool());
}

TEST(DbusNotifierWithoutBus, TellsNobodyAndGoesOn) {
  RecordingLauncher launcher;
  DbusNotifier notifier(launcher, QDBusConnection(QStringLiteral("no such connection")));
  notifier.notify({QStringLiteral("Resizing done"), QString(), QStringLiteral("/out")});
  notifier.showProgress(0.5, true);
  EXPECT_TRUE(launcher.launches().isEmpty());
}

} // namespace
} // namespace veltrane

#include "DbusNotifierTest.moc"
