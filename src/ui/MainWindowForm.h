#pragma once

#include <QRect>

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QToolButton;
class QWidget;

namespace veltrane {

class FileList;
class SourceList;
struct PlatformServices;

// The main window's controls, each named as the program refers to it. The
// form only builds and places them; the reactions are bound elsewhere.
struct MainWindowForm {
  // The file list and its buttons.
  FileList *fileList = nullptr;
  QPushButton *Add = nullptr;
  QPushButton *Remove = nullptr;
  QPushButton *ClearAll = nullptr;

  // Presets.
  QComboBox *Preset = nullptr;
  QPushButton *AddPreset = nullptr;
  QPushButton *RemovePreset = nullptr;

  // The job.
  QCheckBox *maxXon = nullptr;
  QCheckBox *maxYon = nullptr;
  QComboBox *maxX = nullptr;
  QComboBox *maxY = nullptr;
  QCheckBox *YX = nullptr;
  QCheckBox *manual = nullptr;
  QCheckBox *preview = nullptr;
  QRadioButton *quality2 = nullptr;
  QRadioButton *quality1 = nullptr;
  QLineEdit *fixed = nullptr;
  QLabel *lFixed = nullptr;
  QLineEdit *maxK = nullptr;
  QLabel *lMaxK = nullptr;
  QCheckBox *AddExtension = nullptr;
  QLineEdit *extension = nullptr;
  QComboBox *addFrame = nullptr;
  QComboBox *indice = nullptr;
  QLabel *indexl3 = nullptr;
  QLabel *indexl2 = nullptr;
  QComboBox *indexX = nullptr;
  QLabel *indexl1 = nullptr;
  QComboBox *indexY = nullptr;
  QCheckBox *indexNames = nullptr;
  QCheckBox *indexWH = nullptr;
  QCheckBox *indexK = nullptr;
  QCheckBox *SameFolder = nullptr;
  QLabel *lSaveTo = nullptr;
  QLineEdit *OutputPath = nullptr;
  QPushButton *Browse = nullptr;

  // Help, settings, home page.
  QPlainTextEdit *help = nullptr;
  QLabel *lHelp = nullptr;
  QToolButton *toggleHelp = nullptr;
  QToolButton *settings = nullptr;
  QLabel *LinkToHomepage = nullptr;

  // The batch.
  QPushButton *Go = nullptr;
  QLabel *processing = nullptr;
  QLabel *info = nullptr;
  QFrame *infoW = nullptr;
  QFrame *infoG = nullptr;

  // The shaped window's own title-bar buttons; hidden while it is plain.
  QToolButton *esci = nullptr;
  QToolButton *minimizza = nullptr;
};

// The client area every skin is drawn for.
inline constexpr int kClientWidth = 603;
inline constexpr int kClientHeight = 406;
// The help panel covers the preset box and the job controls below it.
inline constexpr int kHelpPanelWidth = 6540 / 15;
inline constexpr int kHelpPanelHeight = 3540 / 15;

// Builds the controls on `window`, with their captions, tooltips and lists,
// laid out in the 603 x 406 client area.
MainWindowForm buildMainWindowForm(QWidget *window, SourceList &table, PlatformServices &platform);

// The idle and running faces of the Go button.
void showGoIdle(QPushButton *go);
void showGoRunning(QPushButton *go);

} // namespace veltrane
