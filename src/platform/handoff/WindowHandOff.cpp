#include "platform/handoff/WindowHandOff.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>

namespace veltrane {
namespace {

constexpr int kWaitMs = 3000;
// The handed-over list ends with an empty line; the window answers "ok".
constexpr char kTaken[] = "ok\n";
constexpr char kRefused[] = "no\n";

} // namespace

QString WindowHandOff::socketFor(const QString &programFolderKey) {
  QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  if (folder.isEmpty())
    folder = QDir::tempPath();
  const QByteArray hash =
      QCryptographicHash::hash(programFolderKey.toUtf8(), QCryptographicHash::Sha256).toHex();
  return QDir(folder).filePath(QStringLiteral("veltrane-") + QString::fromLatin1(hash.left(16)) +
                               QStringLiteral(".socket"));
}

bool WindowHandOff::handOver(const QString &socket, const QStringList &files) {
  QLocalSocket client;
  client.connectToServer(socket);
  if (!client.waitForConnected(kWaitMs))
    return false;
  QByteArray message;
  for (const QString &file : files)
    if (!file.contains(u'\n'))
      message += file.toUtf8() + '\n';
  message += '\n';
  client.write(message);
  if (!client.waitForBytesWritten(kWaitMs))
    return false;
  QByteArray answer;
  while (!answer.contains('\n') && client.waitForReadyRead(kWaitMs))
    answer += client.readAll();
  return answer == kTaken;
}

WindowHandOff::WindowHandOff(const QString &socket, std::function<bool(const QStringList &)> received,
                             QObject *parent)
    : QObject(parent), m_received(std::move(received)) {
  m_server.setSocketOptions(QLocalServer::UserAccessOption);
  if (!m_server.listen(socket)) {
    // A window that died left its socket: nobody answers there any more.
    QLocalServer::removeServer(socket);
    m_server.listen(socket);
  }
  connect(&m_server, &QLocalServer::newConnection, this, &WindowHandOff::accept);
}

void WindowHandOff::accept() {
  while (QLocalSocket *client = m_server.nextPendingConnection()) {
    connect(client, &QLocalSocket::disconnected, client, &QObject::deleteLater);
    auto buffer = std::make_shared<QByteArray>();
    connect(client, &QLocalSocket::readyRead, this, [this, client, buffer] {
      *buffer += client->readAll();
      if (buffer->size() > (4 << 20)) { // no list of files is this long
        client->abort();
        return;
      }
      if (!buffer->endsWith("\n\n") && *buffer != "\n")
        return;
      QStringList files;
      for (const QByteArray &line : buffer->split('\n'))
        if (!line.isEmpty())
          files.append(QString::fromUtf8(line));
      buffer->clear();
      client->write(m_received(files) ? kTaken : kRefused);
      client->flush();
    });
  }
}

} // namespace veltrane
