#pragma once

#include <QLocalServer>
#include <QObject>
#include <QStringList>
#include <functional>

namespace veltrane {

// One window at a time for a program folder: a second start hands its
// files to the window already open (a file manager's menu entry chosen
// twice adds to one list) and ends.
class WindowHandOff : public QObject {
  Q_OBJECT
public:
  // The socket's name for a program folder, in the user's runtime folder.
  static QString socketFor(const QString &programFolderKey);

  // Gives the files to the window listening on `socket`; false when there is none.
  static bool handOver(const QString &socket, const QStringList &files);

  // Listens on `socket` (taking it over from a window that died) and calls
  // `received` with each batch of files handed over; it says whether the
  // window took them (not while it is ending), else the other start opens
  // a window of its own.
  WindowHandOff(const QString &socket, std::function<bool(const QStringList &)> received,
                QObject *parent = nullptr);
  bool isListening() const { return m_server.isListening(); }

private:
  void accept();

  QLocalServer m_server;
  std::function<bool(const QStringList &)> m_received;
};

} // namespace veltrane
