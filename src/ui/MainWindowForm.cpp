#include "ui/MainWindowForm.h"

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

// Where the parts of the window go in the client area.
constexpr QRect kFileListArea{8, 8, 486, 124};
constexpr QRect kListButtonsArea{502, 8, 93, 124};
constexpr QRect kJobArea{8, 140, kHelpPanelWidth, kHelpPanelHeight};
constexpr QRect kSaveToArea{8, 378, kHelpPanelWidth, 22};
constexpr QRect kGoArea{454, 140, 141, 96};
constexpr QRect kProcessingArea{454, 244, 141, 16};
constexpr QRect kProgressArea{454, 262, 141, 18};
constexpr QRect kToolButtonsArea{454, 340, 141, 30};
constexpr QRect kLinkArea{454, 380, 141, 18};

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
  form.Add = named(new QPushButton(QStringLiteral("Add..."), area), "Add",
                   QStringLiteral("Add pictures to the list"));
  form.Remove = named(new QPushButton(QStringLiteral("Remove"), area), "Remove",
                      QStringLiteral("Remove the marked pictures, or else the selected one"));
  form.ClearAll =
      named(new QPushButton(QStringLiteral("Clear all"), area), "ClearAll", QStringLiteral("Empty the list"));
  layout->addWidget(form.Add);
  layout->addWidget(form.Remove);
  layout->addWidget(form.ClearAll);
  layout->addStretch(1);
}

QGroupBox *buildSizeGroup(QWidget *parent, MainWindowForm &form) {
  auto *box = group(parent);
  auto *grid = tight(new QGridLayout(box));
  form.maxXon = checkBox(box, "maxXon", QStringLiteral("maximum width"));
  form.maxX = sizeBox(box, "maxX",
                      {QStringLiteral("320"), QStringLiteral("640"), QStringLiteral("800"),
                       QStringLiteral("1024"), QStringLiteral("1280"), QStringLiteral("1600"),
                       QStringLiteral("1920"), QStringLiteral("screen")});
  form.maxYon = checkBox(box, "maxYon", QStringLiteral("maximum height"));
  form.maxY = sizeBox(box, "maxY",
                      {QStringLiteral("200"), QStringLiteral("480"), QStringLiteral("600"),
                       QStringLiteral("768"), QStringLiteral("900"), QStringLiteral("1080"),
                       QStringLiteral("1200"), QStringLiteral("screen")});
  form.YX = checkBox(box, "YX", QStringLiteral("also apply to vertical pictures"),
                     QStringLiteral("eg: 600x800 will be rescaled as 800x600"));
  form.manual =
      checkBox(box, "manual", QStringLiteral("manual adjustment"),
               QStringLiteral("Stretch/shrink the borders of preview window to set width & height to "
                              "resize to"));
  form.preview =
      checkBox(box, "preview", QStringLiteral("preview"), QStringLiteral("Show/hide preview window"));
  grid->addWidget(form.maxXon, 0, 0);
  grid->addWidget(form.maxX, 0, 1, Qt::AlignRight);
  grid->addWidget(form.maxYon, 1, 0);
  grid->addWidget(form.maxY, 1, 1, Qt::AlignRight);
  grid->addWidget(form.YX, 2, 0, 1, 2);
  grid->addWidget(form.manual, 3, 0, 1, 2);
  grid->addWidget(form.preview, 4, 0, 1, 2);
  grid->setRowStretch(5, 1);
  return box;
}

QGroupBox *buildQualityGroup(QWidget *parent, MainWindowForm &form) {
  auto *box = group(parent);
  auto *grid = tight(new QGridLayout(box), 3);
  form.quality2 = named(new QRadioButton(QStringLiteral("fixed quality"), box), "quality2");
  form.fixed = numberBox(box, "fixed", QStringLiteral("1 (minimum quality) to 100 (maximum quality)"));
  form.lFixed = label(box, "lFixed", QStringLiteral("%"));
  form.quality1 = named(new QRadioButton(QStringLiteral("file size below"), box), "quality1");
  form.maxK = numberBox(box, "maxK");
  form.lMaxK = label(box, "lMaxK", QStringLiteral("kB"));
  grid->addWidget(form.quality2, 0, 0);
  grid->addWidget(form.fixed, 0, 1);
  grid->addWidget(form.lFixed, 0, 2);
  grid->addWidget(form.quality1, 1, 0);
  grid->addWidget(form.maxK, 1, 1);
  grid->addWidget(form.lMaxK, 1, 2);
  grid->setColumnStretch(0, 1);
  return box;
}

QGroupBox *buildNameGroup(QWidget *parent, MainWindowForm &form) {
  auto *box = group(parent);
  auto *grid = tight(new QGridLayout(box));
  form.AddExtension = checkBox(box, "AddExtension", QStringLiteral("Extension"),
                               QStringLiteral("Resized images will overwrite files with their same name"));
  form.extension = named(new QLineEdit(box), "extension",
                         QStringLiteral("This will be added to the filename of the resized images"));
  auto *frameLabel = new QLabel(QStringLiteral("frame"), box);
  form.addFrame = named(new QComboBox(box), "addFrame", QStringLiteral("Put every picture in a frame"));
  form.addFrame->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  form.addFrame->setMinimumContentsLength(8);
  frameLabel->setBuddy(form.addFrame);
  grid->addWidget(form.AddExtension, 0, 0);
  grid->addWidget(form.extension, 0, 1);
  grid->addWidget(frameLabel, 1, 0);
  grid->addWidget(form.addFrame, 1, 1);
  grid->setColumnStretch(1, 1);
  return box;
}

QGroupBox *buildIndexGroup(QWidget *parent, MainWindowForm &form) {
  auto *box = group(parent);
  auto *rows = tight(new QVBoxLayout(box));
  auto *layout = new QHBoxLayout;
  layout->setSpacing(6);
  form.indice =
      listBox(box, "indice", {QStringLiteral("don't"), QStringLiteral("also"), QStringLiteral("only")}, 72);
  form.indice->setToolTip(QStringLiteral("Make index sheets (contact sheets) of the pictures"));
  form.indexl3 = label(box, "indexl3", QStringLiteral("index"));
  form.indexl2 = label(box, "indexl2", QStringLiteral("with"));
  form.indexX = listBox(box, "indexX", gridNumbers(), 48);
  form.indexX->setToolTip(QStringLiteral("Pictures across a sheet"));
  form.indexl1 = label(box, "indexl1", QStringLiteral("x"));
  form.indexY = listBox(box, "indexY", gridNumbers(), 48);
  form.indexY->setToolTip(QStringLiteral("Pictures down a sheet"));
  form.indexNames = checkBox(box, "indexNames", QStringLiteral("names"));
  form.indexWH = checkBox(box, "indexWH", QStringLiteral("image size"));
  form.indexK = checkBox(box, "indexK", QStringLiteral("filesize"));
  layout->addWidget(form.indice);
  layout->addWidget(form.indexl3);
  layout->addWidget(form.indexl2);
  layout->addWidget(form.indexX);
  layout->addWidget(form.indexl1);
  layout->addWidget(form.indexY);
  layout->addStretch(1);
  auto *captions = new QHBoxLayout;
  captions->setSpacing(12);
  captions->addWidget(form.indexNames);
  captions->addWidget(form.indexWH);
  captions->addWidget(form.indexK);
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
  layout->setSpacing(8);

  auto *presetRow = new QHBoxLayout;
  presetRow->setSpacing(4);
  form.Preset = named(new QComboBox(area), "Preset",
                      QStringLiteral("Write new name here and click + to create a new preset"));
  form.Preset->setEditable(true);
  form.Preset->setInsertPolicy(QComboBox::NoInsert);
  form.Preset->setCompleter(nullptr);
  form.Preset->setMaxVisibleItems(20);
  form.AddPreset = named(new QPushButton(QStringLiteral("+"), area), "AddPreset",
                         QStringLiteral("Create a new preset with current parameters"));
  form.RemovePreset = named(new QPushButton(QStringLiteral("-"), area), "RemovePreset",
                            QStringLiteral("Remove current preset"));
  for (QPushButton *button : {form.AddPreset, form.RemovePreset})
    button->setFixedWidth(30);
  presetRow->addWidget(form.Preset, 1);
  presetRow->addWidget(form.AddPreset);
  presetRow->addWidget(form.RemovePreset);
  layout->addLayout(presetRow);

  auto *columns = new QHBoxLayout;
  columns->setSpacing(6);
  // The size switches have the longest captions.
  QGroupBox *sizes = buildSizeGroup(area, form);
  sizes->setFixedWidth(224);
  columns->addWidget(sizes);
  auto *right = new QVBoxLayout;
  right->setSpacing(6);
  right->addWidget(buildQualityGroup(area, form));
  right->addWidget(buildNameGroup(area, form));
  columns->addLayout(right, 1);
  layout->addLayout(columns);
  layout->addWidget(buildIndexGroup(area, form));
  layout->addStretch(1);
}

void buildSaveTo(QWidget *window, MainWindowForm &form) {
  auto *area = new QWidget(window);
  area->setGeometry(kSaveToArea);
  auto *layout = new QHBoxLayout(area);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(4);
  form.lSaveTo = label(area, "lSaveTo", QStringLiteral("Save to"));
  form.OutputPath =
      named(new QLineEdit(area), "OutputPath", QStringLiteral("Folder to save the processed files to"));
  form.lSaveTo->setBuddy(form.OutputPath);
  form.Browse =
      named(new QPushButton(QStringLiteral("..."), area), "Browse", QStringLiteral("Browse for folder"));
  form.Browse->setFixedWidth(30);
  form.SameFolder = checkBox(area, "SameFolder", QStringLiteral("same folder"),
                             QStringLiteral("Save files in their same folder"));
  layout->addWidget(form.lSaveTo);
  layout->addWidget(form.OutputPath, 1);
  layout->addWidget(form.Browse);
  layout->addSpacing(4);
  layout->addWidget(form.SameFolder);

  // Shown in the same place while the help panel is open.
  form.lHelp =
      label(window, "lHelp",
            QStringLiteral("(click \"?\" again to close the help window and return to the main program)"));
  form.lHelp->setGeometry(kSaveToArea);
  form.lHelp->setWordWrap(true);
  QFont small = form.lHelp->font();
  small.setPixelSize(11);
  form.lHelp->setFont(small);
  form.lHelp->hide();
}

void buildHelpPanel(QWidget *window, MainWindowForm &form) {
  form.help = named(new QPlainTextEdit(window), "help");
  form.help->setReadOnly(true);
  form.help->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  form.help->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  form.help->document()->setDocumentMargin(6);
  form.help->setGeometry(kJobArea);
  form.help->hide();
}

void buildGoArea(QWidget *window, MainWindowForm &form) {
  form.Go = named(new QPushButton(window), "Go");
  form.Go->setGeometry(kGoArea);
  showGoIdle(form.Go);

  form.processing = named(new QLabel(window), "processing");
  form.processing->setGeometry(kProcessingArea);
  form.processing->setAlignment(Qt::AlignCenter);

  // The bar: infoW its empty track, infoG the part done, info the percentage on top.
  form.infoW = named(new QFrame(window), "infoW");
  form.infoW->setGeometry(kProgressArea);
  form.infoW->setFrameShape(QFrame::Box);
  form.infoW->setStyleSheet(QStringLiteral("QFrame#infoW { background: white; border: 1px solid #808080; }"));
  form.infoG = named(new QFrame(window), "infoG");
  form.infoG->setGeometry(kProgressArea.x(), kProgressArea.y(), 0, kProgressArea.height());
  form.infoG->setStyleSheet(
      QStringLiteral("QFrame#infoG { background: #4caf50; border: 1px solid #808080; }"));
  form.info = named(new QLabel(window), "info");
  form.info->setGeometry(kProgressArea);
  form.info->setAlignment(Qt::AlignCenter);
  for (QWidget *widget : {static_cast<QWidget *>(form.processing), static_cast<QWidget *>(form.infoW),
                          static_cast<QWidget *>(form.infoG), static_cast<QWidget *>(form.info)})
    widget->hide();
}

void buildSwitches(QWidget *window, MainWindowForm &form) {
  auto *area = new QWidget(window);
  area->setGeometry(kToolButtonsArea);
  auto *layout = new QHBoxLayout(area);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(6);
  form.toggleHelp = named(new QToolButton(area), "toggleHelp", QStringLiteral("Toggle help"));
  form.toggleHelp->setText(QStringLiteral("?"));
  form.settings = named(new QToolButton(area), "settings", QStringLiteral("Advanced settings"));
  form.settings->setText(QString(QChar(0x2699))); // a gear
  for (QToolButton *button : {form.toggleHelp, form.settings}) {
    QFont font = button->font();
    font.setPixelSize(17);
    font.setBold(true);
    button->setFont(font);
    button->setFixedSize(30, 30);
    layout->addWidget(button);
  }
  layout->addStretch(1);

  form.LinkToHomepage = named(new QLabel(kHomePageText, window), "LinkToHomepage",
                              QStringLiteral("Go to Veltrane's homepage!"));
  form.LinkToHomepage->setGeometry(kLinkArea);
  form.LinkToHomepage->setCursor(Qt::PointingHandCursor);
  form.LinkToHomepage->setStyleSheet(QStringLiteral("color: #1a5fb4; text-decoration: underline;"));

  form.esci = named(new QToolButton(window), "esci", QStringLiteral("Exit program"));
  form.esci->setText(QStringLiteral("x"));
  form.esci->setGeometry(kClientWidth - 26, 2, 22, 20);
  form.minimizza = named(new QToolButton(window), "minimizza", QStringLiteral("Minimize window"));
  form.minimizza->setText(QStringLiteral("_"));
  form.minimizza->setGeometry(kClientWidth - 50, 2, 22, 20);
  form.esci->hide();
  form.minimizza->hide();
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
