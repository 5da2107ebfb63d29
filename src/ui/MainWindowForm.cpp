#include "ui/MainWindowForm.h"

#include "presets/OutputFormat.h"
#include "ui/FileList.h"
#include "ui/WebPages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextDocument>
#include <QToolButton>
#include <QVBoxLayout>

namespace veltrane {
namespace {

// Where the parts of the window go in the client area: inside the built-in
// skin's outline, whose corners are round and whose edges are not straight.
constexpr QRect kFileListArea{20, 22, 474, 110};
constexpr QRect kListButtonsArea{500, 40, 90, 92};
constexpr QRect kJobArea{QPoint(20, 140), kJobAreaSize};
constexpr QRect kSaveToArea{52, 376, 384, 18};
constexpr QRect kGoArea{456, 140, 139, 96};
constexpr QRect kProcessingArea{456, 244, 139, 16};
constexpr QRect kProgressArea{456, 262, 139, 18};
constexpr QRect kMenuEntriesArea{456, 284, 139, 48};
constexpr QRect kToolButtonsArea{456, 334, 139, 30};
constexpr QRect kLinkArea{444, 370, 128, 18};

template <typename Widget> Widget *named(Widget *widget, const char *name, const QString &tooltip = {}) {
  widget->setObjectName(QString::fromLatin1(name));
  if (!tooltip.isEmpty())
    widget->setToolTip(tooltip);
  return widget;
}

QCheckBox *checkBox(QWidget *parent, const char *name, const QString &caption, const QString &tooltip = {}) {
  return named(new QCheckBox(caption, parent), name, tooltip);
}

QLabel *label(QWidget *parent, const char *name, const QString &caption) {
  return named(new QLabel(caption, parent), name);
}

QComboBox *sizeBox(QWidget *parent, const char *name, const QStringList &entries) {
  auto *box = named(new QComboBox(parent), name);
  box->setEditable(true);
  box->setInsertPolicy(QComboBox::NoInsert);
  box->addItems(entries);
  // Typing "1" must not complete to "1024".
  box->setCompleter(nullptr);
  box->setFixedWidth(68);
  return box;
}

QComboBox *listBox(QWidget *parent, const char *name, const QStringList &entries, int width) {
  auto *box = named(new QComboBox(parent), name);
  box->addItems(entries);
  box->setFixedWidth(width);
  return box;
}

QLineEdit *numberBox(QWidget *parent, const char *name, const QString &tooltip = {}) {
  auto *box = named(new QLineEdit(parent), name, tooltip);
  box->setFixedWidth(40);
  box->setAlignment(Qt::AlignRight);
  return box;
}

QStringList gridNumbers() {
  QStringList numbers;
  for (int n = 1; n <= 8; ++n)
    numbers.append(QString::number(n));
  return numbers;
}

// A framed group of related controls. Their captions say what they are, so
// the frames carry no titles: the client area has no height to spare.
QGroupBox *group(QWidget *parent) { return new QGroupBox(parent); }

template <typename Layout> Layout *tight(Layout *layout, int spacing = 4) {
  layout->setContentsMargins(5, 4, 5, 4);
  layout->setSpacing(spacing);
  return layout;
}

void buildListButtons(QWidget *window, MainWindowForm &form) {
  auto *area = new QWidget(window);
  area->setGeometry(kListButtonsArea);
  auto *layout = new QVBoxLayout(area);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(6);
  form.addFiles = named(new QPushButton(QStringLiteral("Add..."), area), "addFiles",
                        QStringLiteral("Add pictures to the list"));
  form.removeFiles = named(new QPushButton(QStringLiteral("Remove"), area), "removeFiles",
                           QStringLiteral("Remove the marked pictures, or else the selected one"));
  form.clearAll =
      named(new QPushButton(QStringLiteral("Clear all"), area), "clearAll", QStringLiteral("Empty the list"));
  layout->addWidget(form.addFiles);
  layout->addWidget(form.removeFiles);
  layout->addWidget(form.clearAll);
  layout->addStretch(1);
}

QGroupBox *buildSizeGroup(QWidget *parent, MainWindowForm &form) {
  auto *box = group(parent);
  auto *grid = tight(new QGridLayout(box), 3);
  form.widthOn = checkBox(box, "widthOn", QStringLiteral("maximum width"));
  form.maxWidth = sizeBox(box, "maxWidth",
                          {QStringLiteral("320"), QStringLiteral("640"), QStringLiteral("800"),
                           QStringLiteral("1024"), QStringLiteral("1280"), QStringLiteral("1600"),
                           QStringLiteral("1920"), QStringLiteral("screen")});
  form.heightOn = checkBox(box, "heightOn", QStringLiteral("maximum height"));
  form.maxHeight = sizeBox(box, "maxHeight",
                           {QStringLiteral("200"), QStringLiteral("480"), QStringLiteral("600"),
                            QStringLiteral("768"), QStringLiteral("900"), QStringLiteral("1080"),
                            QStringLiteral("1200"), QStringLiteral("screen")});
  // In the order of boxModeWords().
  form.boxMode = listBox(
      box, "boxMode", {QStringLiteral("stretch"), QStringLiteral("fit inside"), QStringLiteral("fill")}, 96);
  form.boxMode->setToolTip(
      QStringLiteral("With both limits on: stretch pictures to exactly that size, fit "
                     "them inside it, or fill it and crop the overflow from the centre"));
  form.neverEnlarge = checkBox(box, "neverEnlarge", QStringLiteral("never enlarge"),
                               QStringLiteral("Pictures already inside the limits keep their own size"));
  form.swapForUpright = checkBox(box, "swapForUpright", QStringLiteral("also apply to vertical pictures"),
                                 QStringLiteral("eg: 600x800 will be rescaled as 800x600"));
  form.manualSize =
      checkBox(box, "manualSize", QStringLiteral("manual adjustment"),
               QStringLiteral("Stretch/shrink the borders of preview window to set width & height to "
                              "resize to"));
  form.showPreview =
      checkBox(box, "showPreview", QStringLiteral("preview"), QStringLiteral("Show/hide preview window"));
  // Pairs that belong together share a row: the window has no height to spare.
  const auto pair = [](QWidget *first, QWidget *second) {
    auto *row = new QHBoxLayout;
    row->setSpacing(6);
    row->addWidget(first);
    row->addWidget(second);
    row->addStretch(1);
    return row;
  };
  grid->addWidget(form.widthOn, 0, 0);
  grid->addWidget(form.maxWidth, 0, 1, Qt::AlignRight);
  grid->addWidget(form.heightOn, 1, 0);
  grid->addWidget(form.maxHeight, 1, 1, Qt::AlignRight);
  grid->addLayout(pair(form.boxMode, form.neverEnlarge), 2, 0, 1, 2);
  grid->addWidget(form.swapForUpright, 3, 0, 1, 2);
  grid->addLayout(pair(form.manualSize, form.showPreview), 4, 0, 1, 2);
  grid->setRowStretch(5, 1);
  return box;
}

QGroupBox *buildQualityGroup(QWidget *parent, MainWindowForm &form) {
  auto *box = group(parent);
  auto *grid = tight(new QGridLayout(box), 3);
  form.fixedQualityOption =
      named(new QRadioButton(QStringLiteral("fixed quality"), box), "fixedQualityOption");
  form.fixedQuality =
      numberBox(box, "fixedQuality", QStringLiteral("1 (minimum quality) to 100 (maximum quality)"));
  form.fixedQualityUnit = label(box, "fixedQualityUnit", QStringLiteral("%"));
  form.sizeLimitOption = named(new QRadioButton(QStringLiteral("file size below"), box), "sizeLimitOption");
  form.sizeLimitKb = numberBox(box, "sizeLimitKb");
  form.sizeLimitUnit = label(box, "sizeLimitUnit", QStringLiteral("kB"));
  grid->addWidget(form.fixedQualityOption, 0, 0);
  grid->addWidget(form.fixedQuality, 0, 1);
  grid->addWidget(form.fixedQualityUnit, 0, 2);
  grid->addWidget(form.sizeLimitOption, 1, 0);
  grid->addWidget(form.sizeLimitKb, 1, 1);
  grid->addWidget(form.sizeLimitUnit, 1, 2);
  // The format beside the quality, which means each format's own scale.
  form.formatLabel = label(box, "formatLabel", QStringLiteral("format"));
  form.outputFormat = listBox(box, "outputFormat", formatCaptions(), 112);
  form.outputFormat->setToolTip(
      QStringLiteral("The format of the resized pictures; \"same as source\" writes "
                     "PNG for GIF, BMP and TIFF, and JPEG for HEIC"));
  form.formatLabel->setBuddy(form.outputFormat);
  auto *formatRow = new QHBoxLayout;
  formatRow->addWidget(form.formatLabel);
  formatRow->addStretch(1);
  formatRow->addWidget(form.outputFormat);
  grid->addLayout(formatRow, 2, 0, 1, 3);
  grid->setColumnStretch(0, 1);
  return box;
}

QGroupBox *buildFrameGroup(QWidget *parent, MainWindowForm &form) {
  auto *box = group(parent);
  auto *row = tight(new QHBoxLayout(box));
  auto *frameLabel = new QLabel(QStringLiteral("frame"), box);
  form.frame = named(new QComboBox(box), "frame", QStringLiteral("Put every picture in a frame"));
  form.frame->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  form.frame->setMinimumContentsLength(8);
  frameLabel->setBuddy(form.frame);
  row->addWidget(frameLabel);
  row->addWidget(form.frame, 1);
  return box;
}

// Beside the index sheets, above the folder: what the outputs are called.
QGroupBox *buildSuffixGroup(QWidget *parent, MainWindowForm &form) {
  auto *box = group(parent);
  auto *rows = tight(new QVBoxLayout(box));
  form.addSuffix = checkBox(
      box, "addSuffix", QStringLiteral("Extension"),
      QStringLiteral(
          "Add the suffix to the names of the resized images; an existing file is never overwritten"));
  form.suffixTemplate = named(new QLineEdit(box), "suffixTemplate",
                              QStringLiteral("This will be added to the filename of the resized images"));
  rows->addWidget(form.addSuffix);
  rows->addWidget(form.suffixTemplate);
  box->setFixedWidth(140);
  return box;
}

QGroupBox *buildIndexGroup(QWidget *parent, MainWindowForm &form) {
  auto *box = group(parent);
  auto *rows = tight(new QVBoxLayout(box));
  auto *layout = new QHBoxLayout;
  layout->setSpacing(6);
  form.sheetMode = listBox(box, "sheetMode",
                           {QStringLiteral("don't"), QStringLiteral("also"), QStringLiteral("only")}, 72);
  form.sheetMode->setToolTip(QStringLiteral("Make index sheets (contact sheets) of the pictures"));
  form.sheetLabel = label(box, "sheetLabel", QStringLiteral("index"));
  form.sheetWithLabel = label(box, "sheetWithLabel", QStringLiteral("with"));
  form.sheetColumns = listBox(box, "sheetColumns", gridNumbers(), 48);
  form.sheetColumns->setToolTip(QStringLiteral("Pictures across a sheet"));
  form.sheetTimesLabel = label(box, "sheetTimesLabel", QStringLiteral("x"));
  form.sheetRows = listBox(box, "sheetRows", gridNumbers(), 48);
  form.sheetRows->setToolTip(QStringLiteral("Pictures down a sheet"));
  form.captionNames = checkBox(box, "captionNames", QStringLiteral("names"));
  form.captionSizes = checkBox(box, "captionSizes", QStringLiteral("image size"));
  form.captionFileSizes = checkBox(box, "captionFileSizes", QStringLiteral("filesize"));
  layout->addWidget(form.sheetMode);
  layout->addWidget(form.sheetLabel);
  layout->addWidget(form.sheetWithLabel);
  layout->addWidget(form.sheetColumns);
  layout->addWidget(form.sheetTimesLabel);
  layout->addWidget(form.sheetRows);
  layout->addStretch(1);
  auto *captions = new QHBoxLayout;
  captions->setSpacing(12);
  captions->addWidget(form.captionNames);
  captions->addWidget(form.captionSizes);
  captions->addWidget(form.captionFileSizes);
  captions->addStretch(1);
  rows->addLayout(layout);
  rows->addLayout(captions);
  return box;
}

void buildJobArea(QWidget *window, MainWindowForm &form) {
  auto *area = new QWidget(window);
  area->setGeometry(kJobArea);
  auto *layout = new QVBoxLayout(area);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(7);

  auto *presetRow = new QHBoxLayout;
  presetRow->setSpacing(4);
  form.presets = named(new QComboBox(area), "presets",
                       QStringLiteral("Write new name here and click + to create a new preset"));
  form.presets->setEditable(true);
  form.presets->setInsertPolicy(QComboBox::NoInsert);
  form.presets->setCompleter(nullptr);
  form.presets->setMaxVisibleItems(20);
  form.addPreset = named(new QPushButton(QStringLiteral("+"), area), "addPreset",
                         QStringLiteral("Create a new preset with current parameters"));
  form.removePreset = named(new QPushButton(QStringLiteral("-"), area), "removePreset",
                            QStringLiteral("Remove current preset"));
  for (QPushButton *button : {form.addPreset, form.removePreset})
    button->setFixedWidth(30);
  presetRow->addWidget(form.presets, 1);
  presetRow->addWidget(form.addPreset);
  presetRow->addWidget(form.removePreset);
  layout->addLayout(presetRow);

  auto *columns = new QHBoxLayout;
  columns->setSpacing(6);
  // The size switches have the longest captions.
  QGroupBox *sizes = buildSizeGroup(area, form);
  sizes->setFixedWidth(236);
  columns->addWidget(sizes);
  auto *right = new QVBoxLayout;
  right->setSpacing(6);
  right->addWidget(buildQualityGroup(area, form));
  right->addWidget(buildFrameGroup(area, form));
  right->addStretch(1);
  columns->addLayout(right, 1);
  layout->addLayout(columns);
  auto *bottom = new QHBoxLayout;
  bottom->setSpacing(6);
  bottom->addWidget(buildIndexGroup(area, form), 1);
  bottom->addWidget(buildSuffixGroup(area, form));
  layout->addLayout(bottom);
  layout->addStretch(1);
}

void buildSaveTo(QWidget *window, MainWindowForm &form) {
  auto *area = new QWidget(window);
  area->setGeometry(kSaveToArea);
  auto *layout = new QHBoxLayout(area);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(4);
  form.saveToLabel = label(area, "saveToLabel", QStringLiteral("Save to"));
  form.outputFolder =
      named(new QLineEdit(area), "outputFolder", QStringLiteral("Folder to save the processed files to"));
  form.saveToLabel->setBuddy(form.outputFolder);
  form.browse =
      named(new QPushButton(QStringLiteral("..."), area), "browse", QStringLiteral("Browse for folder"));
  form.browse->setFixedWidth(30);
  form.sameFolder = checkBox(area, "sameFolder", QStringLiteral("same folder"),
                             QStringLiteral("Save files in their same folder"));
  layout->addWidget(form.saveToLabel);
  layout->addWidget(form.outputFolder, 1);
  layout->addWidget(form.browse);
  layout->addSpacing(4);
  layout->addWidget(form.sameFolder);

  // Shown in the same place while the help panel is open.
  form.helpLabel =
      label(window, "helpLabel",
            QStringLiteral("(click \"?\" again to close the help window and return to the main program)"));
  // Two lines at its small size, between the help panel and the outline's bottom.
  form.helpLabel->setGeometry(kSaveToArea.x(), kSaveToArea.y() - 6, kSaveToArea.width(), 26);
  form.helpLabel->setWordWrap(true);
  QFont small = form.helpLabel->font();
  small.setPixelSize(11);
  form.helpLabel->setFont(small);
  form.helpLabel->hide();
}

void buildHelpPanel(QWidget *window, MainWindowForm &form) {
  form.helpPanel = named(new QPlainTextEdit(window), "helpPanel");
  form.helpPanel->setReadOnly(true);
  form.helpPanel->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  form.helpPanel->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  form.helpPanel->document()->setDocumentMargin(6);
  form.helpPanel->setGeometry(kJobArea);
  form.helpPanel->hide();
}

void buildGoArea(QWidget *window, MainWindowForm &form) {
  form.goButton = named(new QPushButton(window), "goButton");
  form.goButton->setGeometry(kGoArea);
  showGoIdle(form.goButton);

  form.currentFile = named(new QLabel(window), "currentFile");
  form.currentFile->setGeometry(kProcessingArea);
  form.currentFile->setAlignment(Qt::AlignCenter);

  // The bar: infoW its empty track, infoG the part done, info the percentage on top.
  form.progressTrack = named(new QFrame(window), "progressTrack");
  form.progressTrack->setGeometry(kProgressArea);
  form.progressTrack->setFrameShape(QFrame::Box);
  form.progressTrack->setStyleSheet(
      QStringLiteral("QFrame#infoW { background: white; border: 1px solid #808080; }"));
  form.progressBar = named(new QFrame(window), "progressBar");
  form.progressBar->setGeometry(kProgressArea.x(), kProgressArea.y(), 0, kProgressArea.height());
  form.progressBar->setStyleSheet(
      QStringLiteral("QFrame#infoG { background: #4caf50; border: 1px solid #808080; }"));
  form.progressPercent = named(new QLabel(window), "progressPercent");
  form.progressPercent->setGeometry(kProgressArea);
  form.progressPercent->setAlignment(Qt::AlignCenter);
  for (QWidget *widget :
       {static_cast<QWidget *>(form.currentFile), static_cast<QWidget *>(form.progressTrack),
        static_cast<QWidget *>(form.progressBar), static_cast<QWidget *>(form.progressPercent)})
    widget->hide();
}

void buildMenuEntries(QWidget *window, MainWindowForm &form) {
  const QRect area = kMenuEntriesArea;
  form.menuLabel = named(new QLabel(QStringLiteral("file manager menu:"), window), "menuLabel");
  form.menuLabel->setGeometry(area.x(), area.y(), area.width(), 16);
  form.jpegMenu = checkBox(window, "jpegMenu", QStringLiteral("JPG/JPEG"),
                           QStringLiteral("Add Veltrane command to the context-menu of JPGs and JPEGs"));
  form.jpegMenu->setGeometry(area.x(), area.y() + 16, area.width(), 16);
  form.bmpGifMenu = checkBox(window, "bmpGifMenu", QStringLiteral("BMP && GIF"));
  form.bmpGifMenu->setGeometry(area.x(), area.y() + 32, area.width(), 16);
}

void buildSwitches(QWidget *window, MainWindowForm &form) {
  auto *area = new QWidget(window);
  area->setGeometry(kToolButtonsArea);
  auto *layout = new QHBoxLayout(area);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(6);
  form.helpButton = named(new QToolButton(area), "helpButton", QStringLiteral("Toggle help"));
  form.helpButton->setText(QStringLiteral("?"));
  form.settingsButton = named(new QToolButton(area), "settingsButton", QStringLiteral("Advanced settings"));
  form.settingsButton->setText(QString(QChar(0x2699))); // a gear
  for (QToolButton *button : {form.helpButton, form.settingsButton}) {
    QFont font = button->font();
    font.setPixelSize(17);
    font.setBold(true);
    button->setFont(font);
    button->setFixedSize(30, 30);
    layout->addWidget(button);
  }
  layout->addStretch(1);

  form.homePageLink =
      named(new QLabel(kHomePageText, window), "homePageLink", QStringLiteral("Go to Veltrane's homepage!"));
  form.homePageLink->setGeometry(kLinkArea);
  form.homePageLink->setCursor(Qt::PointingHandCursor);
  // The desktop's link colour, so it reads on a dark theme as on a light one.
  form.homePageLink->setForegroundRole(QPalette::Link);
  QFont underlined = form.homePageLink->font();
  underlined.setUnderline(true);
  form.homePageLink->setFont(underlined);

  form.exitButton = named(new QToolButton(window), "exitButton", QStringLiteral("Exit program"));
  form.exitButton->setText(QStringLiteral("x"));
  // Inside the built-in outline's top right corner.
  form.exitButton->setGeometry(552, 21, 22, 16);
  form.minimizeButton = named(new QToolButton(window), "minimizeButton", QStringLiteral("Minimize window"));
  form.minimizeButton->setText(QStringLiteral("_"));
  form.minimizeButton->setGeometry(528, 21, 22, 16);
  form.exitButton->hide();
  form.minimizeButton->hide();
}

} // namespace

MainWindowForm buildMainWindowForm(QWidget *window, SourceList &table, PlatformServices &platform) {
  MainWindowForm form;
  form.fileList = new FileList(table, platform, window);
  form.fileList->setGeometry(kFileListArea);
  buildListButtons(window, form);
  buildJobArea(window, form);
  buildSaveTo(window, form);
  buildHelpPanel(window, form);
  buildGoArea(window, form);
  buildMenuEntries(window, form);
  buildSwitches(window, form);
  return form;
}

void showGoIdle(QPushButton *go) {
  QFont font = go->font();
  font.setPointSize(18);
  font.setBold(true);
  go->setFont(font);
  go->setText(QStringLiteral("GO!"));
  go->setToolTip(QStringLiteral("Start resizing the images"));
}

void showGoRunning(QPushButton *go) {
  QFont font = go->font();
  font.setPointSize(14);
  font.setBold(true);
  go->setFont(font);
  go->setText(QStringLiteral("STOP"));
  go->setToolTip(QStringLiteral("Interrupt the process."));
}

} // namespace veltrane
