#pragma once

#include "presets/JobSettings.h"
#include "ui/MainWindowForm.h"

#include <QObject>
#include <QSize>
#include <QStringList>

namespace veltrane {

struct PlatformServices;

// Binds the job controls of the main window to a JobSettings value and
// gives them their reactions: the enabling rules, the size boxes' key filter
// and repair, the size-change handler, the suffix box's character check and
// ready-made template, the frame list and the output-folder choice. Every
// reaction follows the control's value-changed signal, so a value set by
// the program reacts exactly as a user's change.
class JobControls : public QObject {
  Q_OBJECT
public:
  JobControls(const MainWindowForm &form, PlatformServices &platform, QWidget *window);

  // The job as the controls hold it.
  JobSettings job() const;
  // Sets every control, holding the size-change handler back meanwhile (the
  // caller runs it when it wants the derived sizes).
  void setJob(const JobSettings &job);
  // Applies a preset line ("name=body" or a bare body) to the controls.
  void applyPreset(const QString &line);
  // The fields a running batch changes itself: the quality it found, the
  // frame it tries, the suffix template, and what it puts back at the end.
  void takeBatchChanges(const JobSettings &fromBatch);

  // The frames scan's result: the list's entries, entry 0 selected, and the
  // list enabled only when frames are installed.
  void setFrameEntries(const QStringList &entries);
  const QStringList &frameEntries() const { return m_frameEntries; }
  int frameCount() const { return int(m_frameEntries.size()) - 2; }

  // The selected picture's size (320 x 240 with none): the proportions the
  // derived size keeps.
  void setSelectedPictureSize(QSize size) { m_selectedPicture = size; }
  QSize selectedPictureSize() const { return m_selectedPicture; }

  // True while several sizes change together; the size-change handler and
  // the preview then wait.
  bool updatingSizes() const { return m_updatingSizes; }
  void setUpdatingSizes(bool updating) { m_updatingSizes = updating; }
  // Writes both size boxes at once, as the preview's border drag does,
  // without the size-change handler deriving one from the other.
  void setSizeTexts(const QString &width, const QString &height);
  // A running batch keeps its format and way of meeting the box: their
  // controls are disabled until it ends.
  void setBatchRunning(bool running);

public slots:
  // The size-change handler.
  void sizeChange();
  void widthOnToggled();
  void heightOnToggled();
  void qualityModeChanged();
  void sheetModeChanged();
  void sameFolderToggled();
  void frameSelectionChanged();
  // The format, the way of meeting the box or "never enlarge" changed.
  void outputChanged();
  void browseForOutputFolder();
  // Runs every enabling rule once, as the values now stand.
  void refreshEnabling();

signals:
  // A job control changed (once for a whole setJob).
  void changed();
  // The sizes or the frame changed: the preview should follow.
  void previewOutdated();
  // A frame list entry was chosen (the preview shows it).
  void frameChosen(int entry);
  // The user wants to see the folder where frames go.
  void framesFolderWanted();

protected:
  bool eventFilter(QObject *watched, QEvent *event) override;

private:
  void notifyChanged();
  void outputEnabling();
  QSize borders() const;
  bool filterSizeBox(QComboBox *box, QEvent *event);
  bool filterExtension(QEvent *event);

  MainWindowForm m_form;
  PlatformServices &m_platform;
  QWidget *m_window;
  QStringList m_frameEntries;
  bool m_framesInstalled = false;
  QSize m_selectedPicture{320, 240};
  bool m_updatingSizes = false;
  bool m_settingJob = false;
  bool m_batchRunning = false;
};

} // namespace veltrane
