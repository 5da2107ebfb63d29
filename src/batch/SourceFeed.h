#pragma once

#include <QList>
#include <QString>
#include <optional>

namespace veltrane {

// One file of the source list.
struct SourceEntry {
  SourceEntry() = default;
  SourceEntry(QString inFolder, QString fileName, QString mirroredSubfolder = {}, QString readThrough = {})
      : folder(std::move(inFolder)), name(std::move(fileName)), outputSubfolder(std::move(mirroredSubfolder)),
        readPath(std::move(readThrough)) {}

  QString folder;
  QString name;
  // Below the output folder, for a mirrored tree: "2023/june"; empty for none.
  QString outputSubfolder;
  // Where to read the file when folder + name cannot spell it (a name that is
  // not valid UTF-8 is read through a link); empty for folder + name.
  QString readPath;
};

// The source path as the user named it, for reading and reports.
QString sourcePath(const SourceEntry &entry);

// The sources of a batch, handed over one at a time, so that a list of any
// length costs the batch no memory.
class SourceFeed {
public:
  virtual ~SourceFeed() = default;
  // How many sources the feed expects to give, for progress; the feed's own
  // end is what counts when the two differ (a folder changed meanwhile).
  virtual qsizetype expected() const = 0;
  // The next source, or nothing at the end.
  virtual std::optional<SourceEntry> next() = 0;
};

// A feed over a list held in memory.
class SourceListFeed final : public SourceFeed {
public:
  explicit SourceListFeed(QList<SourceEntry> sources) : m_sources(std::move(sources)) {}
  qsizetype expected() const override { return m_sources.size(); }
  std::optional<SourceEntry> next() override {
    if (m_next >= m_sources.size())
      return std::nullopt;
    return m_sources[m_next++];
  }

private:
  QList<SourceEntry> m_sources;
  qsizetype m_next = 0;
};

} // namespace veltrane
