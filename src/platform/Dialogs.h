#pragma once

#include <QColor>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace veltrane {

// The file, folder and colour dialogs. An empty list or nothing means the
// user cancelled.
class Dialogs {
public:
  virtual ~Dialogs() = default;
  virtual QStringList openFiles(const QString &title, const QString &folder, const QString &filter) = 0;
  virtual std::optional<QString> chooseFolder(const QString &title, const QString &start) = 0;
  virtual std::optional<QColor> chooseColour(const QColor &initial) = 0;
};

// Answers from queued results, cancelling once they run out; remembers what
// was asked.
class ScriptedDialogs : public Dialogs {
public:
  struct Request {
    enum class Kind { OpenFiles, ChooseFolder, ChooseColour } kind;
    QString title;
    QString start;
    QString filter;
  };

  QStringList openFiles(const QString &title, const QString &folder, const QString &filter) override;
  std::optional<QString> chooseFolder(const QString &title, const QString &start) override;
  std::optional<QColor> chooseColour(const QColor &initial) override;

  void queueFiles(QStringList files) { m_files.append(std::move(files)); }
  void queueFolder(std::optional<QString> folder) { m_folders.append(std::move(folder)); }
  void queueColour(std::optional<QColor> colour) { m_colours.append(colour); }
  const QList<Request> &requests() const { return m_requests; }

private:
  QList<QStringList> m_files;
  QList<std::optional<QString>> m_folders;
  QList<std::optional<QColor>> m_colours;
  QList<Request> m_requests;
};

} // namespace veltrane
