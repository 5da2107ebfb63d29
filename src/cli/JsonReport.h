#pragma once

#include "batch/BatchEngine.h"
#include "common/Result.h"

#include <QByteArray>
#include <QJsonObject>
#include <QString>
#include <memory>

namespace veltrane {

// The --report file: one JSON object per line for every picture, written and
// flushed as the batch goes, so that a batch stopped half-way leaves a record
// of what it did.
class JsonReport {
public:
  ~JsonReport();
  JsonReport(const JsonReport &) = delete;
  JsonReport &operator=(const JsonReport &) = delete;

  // "-" is the standard output; any other file is made or emptied.
  static Result<std::unique_ptr<JsonReport>> open(const QByteArray &path);

  enum class Status { Written, Failed, Skipped, Planned };
  struct Line {
    QString source; // empty for an index sheet
    QString output;
    QSize size;
    qint64 bytes = -1;
    int quality = -1;
    Status status = Status::Written;
    QString reason;
    QString format;   // "jpeg", "png", "webp", "avif" or "jxl" of an output; empty when none
    int encodes = -1; // the encodings a written picture took (more than one under a size limit)
  };
  void write(const Line &line);
  // Why a line could not be written, once one could not; empty otherwise.
  const QString &error() const { return m_error; }

  static QByteArray lineText(const Line &line);
  // Whether `text` is a line of a report: one JSON object with a source, an
  // output and a known status.
  static bool isReportLine(const QByteArray &text);

private:
  explicit JsonReport(int descriptor, bool owned) : m_descriptor(descriptor), m_owned(owned) {}
  int m_descriptor;
  bool m_owned;
  QString m_error;
};

// Passes a batch's calls on to another observer and writes a report line
// for every picture, and for every source a stop left out.
class ReportingObserver : public BatchObserver {
public:
  ReportingObserver(BatchObserver &inner, JsonReport &report) : m_inner(inner), m_report(report) {}
  void progressed(const BatchProgress &progress) override { m_inner.progressed(progress); }
  void jobChanged(const JobSettings &job) override { m_inner.jobChanged(job); }
  void pictureWritten(const QString &path) override { m_inner.pictureWritten(path); }
  void pictureFailed(const QString &path, const QString &reason) override {
    m_inner.pictureFailed(path, reason);
  }
  void pictureDone(const PictureRecord &record) override;

private:
  BatchObserver &m_inner;
  JsonReport &m_report;
};

} // namespace veltrane
