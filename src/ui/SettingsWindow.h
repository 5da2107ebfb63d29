#pragma once

#include "batch/IndexSheet.h"
#include "presets/ProgramSettings.h"

#include <QColor>
#include <QWidget>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace veltrane {

class Dialogs;

// "SETTINGS": the options that are not part of a job. How index sheets are
// captioned and coloured, the window's style, and what happens when a batch
// is done. Closing it only hides it.
class SettingsWindow : public QWidget {
  Q_OBJECT
public:
  explicit SettingsWindow(Dialogs &dialogs, QWidget *parent = nullptr);

  // The index-sheet options, as the settings file keeps them.
  void setSheetOptions(const ProgramSettings &settings);
  void writeSheetOptions(ProgramSettings &settings) const;
  SheetStyle sheetStyle() const;

  // What written photos keep of their sources.
  void setPhotoOptions(const PhotoOptions &options);
  PhotoOptions photoOptions() const;
  void setGuideAtExit(bool on);
  bool guideAtExit() const;

  // Sets the switches from the program-wide values before the window shows.
  void fillSwitches(qint32 folderWindowMode, qint32 exitWhenDone, bool plainMode);
  // What the switches say: 0 no folder window, 1 normal, 3 maximised.
  qint32 folderWindowMode() const;
  // -1 (on) or 0, as older copies keep it.
  qint32 exitWhenDone() const;

  QColor backgroundColour() const { return m_background; }
  QColor captionColour() const { return m_caption; }

public slots:
  void openFolderToggled();
  void shapedWindowChosen();
  void plainWindowChosen();
  void chooseSheetBackground();
  void chooseCaptionColour();

signals:
  // Closed through its close command: the values to keep.
  void closed(qint32 folderWindowMode, qint32 exitWhenDone);
  // "graphic" (false) or "windowed" (true) was chosen.
  void plainModeChosen(bool plain);

protected:
  void closeEvent(QCloseEvent *event) override;
  bool eventFilter(QObject *watched, QEvent *event) override;

private:
  // The groups of the window, top to bottom.
  QGroupBox *sheetGroup();
  QGroupBox *photoGroup();
  QGroupBox *lookGroup();
  QGroupBox *whenDoneGroup();

  void setSwatch(QLabel *swatch, QColor &held, const QColor &colour);
  void chooseColour(QLabel *swatch, QColor &held);

  Dialogs &m_dialogs;
  QLineEdit *m_fontSize;
  QCheckBox *m_bold;
  QCheckBox *m_italics;
  QLabel *m_captionSwatch;
  QLabel *m_backgroundSwatch;
  QComboBox *m_metadata;
  QCheckBox *m_keepProfile;
  QCheckBox *m_guideAtExit;
  QRadioButton *m_graphic;
  QRadioButton *m_windowed;
  QCheckBox *m_open;
  QCheckBox *m_fullScreen;
  QCheckBox *m_shut;
  QColor m_background = Qt::white;
  QColor m_caption = Qt::black;
  bool m_plainMode = false;
};

} // namespace veltrane
