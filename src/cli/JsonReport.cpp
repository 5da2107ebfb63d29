#include "cli/JsonReport.h"
#include "cli/CommandLineText.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace veltrane {
namespace {

QString statusText(JsonReport::Status status) {
  switch (status) {
  case JsonReport::Status::Written: return QStringLiteral("written");
  case JsonReport::Status::Failed: return QStringLiteral("failed");
  case JsonReport::Status::Skipped: return QStringLiteral("skipped");
  case JsonReport::Status::Planned: return QStringLiteral("planned");
  }
  return {};
}

QJsonValue textOrNull(const QString &text) { return text.isEmpty() ? QJsonValue() : QJsonValue(text); }

} // namespace

JsonReport::~JsonReport() {
  if (m_owned)
    ::close(m_descriptor);
}

Result<std::unique_ptr<JsonReport>> JsonReport::open(const QByteArray &path) {
  if (path == "-")
    return std::unique_ptr<JsonReport>(new JsonReport(STDOUT_FILENO, false));
  const int descriptor = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOCTTY, 0666);
  if (descriptor < 0)
    return failure(CommandLineText::tr("the report %1 cannot be written: %2")
                       .arg(QFile::decodeName(path), qt_error_string(errno)));
  return std::unique_ptr<JsonReport>(new JsonReport(descriptor, true));
}

QByteArray JsonReport::lineText(const Line &line) {
  const bool sized = line.size.isValid();
  const QJsonObject object{
      {QStringLiteral("source"), textOrNull(line.source)},
      {QStringLiteral("output"), textOrNull(line.output)},
      {QStringLiteral("width"), sized ? QJsonValue(line.size.width()) : QJsonValue()},
      {QStringLiteral("height"), sized ? QJsonValue(line.size.height()) : QJsonValue()},
      {QStringLiteral("bytes"), line.bytes >= 0 ? QJsonValue(line.bytes) : QJsonValue()},
      {QStringLiteral("quality"), line.quality >= 0 ? QJsonValue(line.quality) : QJsonValue()},
      {QStringLiteral("format"), textOrNull(line.format)},
      {QStringLiteral("encodes"), line.encodes >= 0 ? QJsonValue(line.encodes) : QJsonValue()},
      {QStringLiteral("status"), statusText(line.status)},
      {QStringLiteral("reason"), textOrNull(line.reason)},
  };
  return QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n';
}

bool JsonReport::isReportLine(const QByteArray &text) {
  const QJsonDocument document = QJsonDocument::fromJson(text.trimmed());
  if (!document.isObject())
    return false;
  const QJsonObject object = document.object();
  const QString status = object.value(QStringLiteral("status")).toString();
  for (const Status known : {Status::Written, Status::Failed, Status::Skipped, Status::Planned})
    if (status == statusText(known))
      return object.contains(QStringLiteral("source")) && object.contains(QStringLiteral("output"));
  return false;
}

// Straight to the descriptor: each line is on its way when the call returns.
void JsonReport::write(const Line &line) {
  if (!m_error.isEmpty())
    return;
  const QByteArray text = lineText(line);
  for (qsizetype done = 0; done < text.size();) {
    const ssize_t wrote = ::write(m_descriptor, text.constData() + done, size_t(text.size() - done));
    if (wrote < 0 && errno == EINTR)
      continue;
    if (wrote <= 0) {
      m_error = QStringLiteral("the report could not be written: %1").arg(qt_error_string(errno));
      return;
    }
    done += wrote;
  }
}

void ReportingObserver::pictureDone(const PictureRecord &record) {
  m_inner.pictureDone(record);
  JsonReport::Line line;
  line.source = record.source;
  line.output = record.output;
  switch (record.status) {
  case PictureRecord::Status::Written:
    line.size = record.size;
    line.bytes = record.bytes;
    line.quality = record.quality;
    line.encodes = record.encodes;
    line.status = JsonReport::Status::Written;
    break;
  case PictureRecord::Status::Failed: line.status = JsonReport::Status::Failed; break;
  case PictureRecord::Status::Skipped: line.status = JsonReport::Status::Skipped; break;
  }
  line.reason = record.reason;
  line.format = record.format;
  m_report.write(line);
}

} // namespace veltrane
