#pragma once

#include "ui/MainWindowForm.h"
#include "ui/PreviewSizing.h"

#include <QObject>
#include <QSize>
#include <QString>

namespace veltrane {

class JobControls;
struct ResizeJob;
class PicturePreparer;
class PreviewWindow;
class Screen;
class SourceBox;
class SourceList;

// Keeps the source box, the size controls and the preview window in step:
// a new selection or frame loads the source box; its picture's size gives
// the size controls their proportions; the preview shows it at the size the
// job gives, and with "manual adjustment" its borders set that size.
class PreviewController : public QObject {
  Q_OBJECT
public:
  PreviewController(const MainWindowForm &form, JobControls &controls, const SourceList &table,
                    const PicturePreparer &preparer, const Screen &screen, PreviewWindow &preview,
                    QObject *parent = nullptr);
  ~PreviewController() override;

  SourceBox &sourceBox() const { return *m_sourceBox; }

public slots:
  // The selection, the frame or the job changed: load the source box again
  // when what it shows would change.
  void reload();
  // Sizes the preview window from the job (after the job or the box changed).
  void repaint();

private:
  void sourceBoxChanged();
  void innerSizeDragged(QSize inner);
  PreviewSizingInput sizingInput(const ResizeJob &job) const;
  QString selectedPath() const;

  MainWindowForm m_form;
  JobControls &m_controls;
  const SourceList &m_table;
  const Screen &m_screen;
  PreviewWindow &m_preview;
  std::unique_ptr<SourceBox> m_sourceBox;
  QString m_lastRequest;
};

} // namespace veltrane
