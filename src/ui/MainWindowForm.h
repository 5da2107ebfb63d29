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
  QPushButton *addFiles = nullptr;
  QPushButton *removeFiles = nullptr;
  QPushButton *clearAll = nullptr;

  // Presets.
  QComboBox *presets = nullptr;
  QPushButton *addPreset = nullptr;
  QPushButton *removePreset = nullptr;

  // The job.
  QCheckBox *widthOn = nullptr;
  QCheckBox *heightOn = nullptr;
  QComboBox *maxWidth = nullptr;
  QComboBox *maxHeight = nullptr;
  QCheckBox *swapForUpright = nullptr;
  QComboBox *boxMode = nullptr; // how a picture meets both limits
  QCheckBox *neverEnlarge = nullptr;
  QCheckBox *manualSize = nullptr;
  QCheckBox *showPreview = nullptr;
  QRadioButton *fixedQualityOption = nullptr;
  QRadioButton *sizeLimitOption = nullptr;
  QLineEdit *fixedQuality = nullptr;
  QLabel *fixedQualityUnit = nullptr;
  QLineEdit *sizeLimitKb = nullptr;
  QLabel *sizeLimitUnit = nullptr;
  QLabel *formatLabel = nullptr;
  QComboBox *outputFormat = nullptr;
  QCheckBox *addSuffix = nullptr;
  QLineEdit *suffixTemplate = nullptr;
  QComboBox *frame = nullptr;
  QComboBox *sheetMode = nullptr;
  QLabel *sheetLabel = nullptr;
  QLabel *sheetWithLabel = nullptr;
  QComboBox *sheetColumns = nullptr;
  QLabel *sheetTimesLabel = nullptr;
  QComboBox *sheetRows = nullptr;
  QCheckBox *captionNames = nullptr;
  QCheckBox *captionSizes = nullptr;
  QCheckBox *captionFileSizes = nullptr;
  QCheckBox *sameFolder = nullptr;
  QLabel *saveToLabel = nullptr;
  QLineEdit *outputFolder = nullptr;
  QPushButton *browse = nullptr;

  // Help, settings, home page.
  QPlainTextEdit *helpPanel = nullptr;
  QLabel *helpLabel = nullptr;
  QToolButton *helpButton = nullptr;
  QToolButton *settingsButton = nullptr;
  QLabel *homePageLink = nullptr;

  // The batch.
  QPushButton *goButton = nullptr;

  // "Resize/Resample" in the file managers' menus, for each pair of types.
  QLabel *menuLabel = nullptr;
  QCheckBox *jpegMenu = nullptr;
  QCheckBox *bmpGifMenu = nullptr;
  QLabel *currentFile = nullptr;
  QLabel *progressPercent = nullptr;
  QFrame *progressTrack = nullptr;
  QFrame *progressBar = nullptr;

  // The shaped window's own title-bar buttons; hidden while it is plain.
  QToolButton *exitButton = nullptr;
  QToolButton *minimizeButton = nullptr;
};

// The client area every skin is drawn for.
inline constexpr int kClientWidth = 603;
inline constexpr int kClientHeight = 406;
// The help panel covers the preset box and the job controls below it.
inline constexpr int kHelpPanelWidth = 6540 / 15;
inline constexpr int kHelpPanelHeight = 3540 / 15;
// The job area and the help panel over it, a little inside the skin's outline.
inline constexpr QSize kJobAreaSize{kHelpPanelWidth - 4, kHelpPanelHeight - 6};

// Builds the controls on `window`, with their captions, tooltips and lists,
// laid out in the 603 x 406 client area.
MainWindowForm buildMainWindowForm(QWidget *window, SourceList &table, PlatformServices &platform);

// The idle and running faces of the Go button.
void showGoIdle(QPushButton *go);
void showGoRunning(QPushButton *go);

} // namespace veltrane
