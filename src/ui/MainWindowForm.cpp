#include "ui/MainWindowForm.h"
#include "ui/WindowText.h"

#include "ui/FileList.h"
#include "ui/FormParts.h"
#include "ui/JobAreaForm.h"
#include "ui/WebPages.h"

#include <QCheckBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>
#include <QToolButton>
#include <QVBoxLayout>

namespace veltrane {

using namespace formparts;

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

void buildListButtons(QWidget *window, MainWindowForm &form) {
  auto *area = new QWidget(window);
  area->setGeometry(kListButtonsArea);
  auto *layout = new QVBoxLayout(area);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(6);
  form.addFiles = named(new QPushButton(MainWindowText::tr("Add..."), area), "addFiles",
                        MainWindowText::tr("Add pictures to the list"));
  form.removeFiles = named(new QPushButton(MainWindowText::tr("Remove"), area), "removeFiles",
                           MainWindowText::tr("Remove the marked pictures, or else the selected one"));
  form.clearAll =
      named(new QPushButton(MainWindowText::tr("Clear all"), area), "clearAll", MainWindowText::tr("Empty the list"));
  layout->addWidget(form.addFiles);
  layout->addWidget(form.removeFiles);
  layout->addWidget(form.clearAll);
  layout->addStretch(1);
}

void buildSaveTo(QWidget *window, MainWindowForm &form) {
  auto *area = new QWidget(window);
  area->setGeometry(kSaveToArea);
  auto *layout = new QHBoxLayout(area);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(4);
  form.saveToLabel = label(area, "saveToLabel", MainWindowText::tr("Save to"));
  form.outputFolder =
      named(new QLineEdit(area), "outputFolder", MainWindowText::tr("Folder to save the processed files to"));
  form.saveToLabel->setBuddy(form.outputFolder);
  form.browse =
      named(new QPushButton(QStringLiteral("..."), area), "browse", MainWindowText::tr("Browse for folder"));
  form.browse->setFixedWidth(30);
  form.sameFolder = checkBox(area, "sameFolder", MainWindowText::tr("same folder"),
                             MainWindowText::tr("Save files in their same folder"));
  layout->addWidget(form.saveToLabel);
  layout->addWidget(form.outputFolder, 1);
  layout->addWidget(form.browse);
  layout->addSpacing(4);
  layout->addWidget(form.sameFolder);

  // Shown in the same place while the help panel is open.
  form.helpLabel =
      label(window, "helpLabel",
            MainWindowText::tr("(click \"?\" again to close the help window and return to the main program)"));
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
  form.menuLabel = named(new QLabel(MainWindowText::tr("file manager menu:"), window), "menuLabel");
  form.menuLabel->setGeometry(area.x(), area.y(), area.width(), 16);
  form.jpegMenu = checkBox(window, "jpegMenu", MainWindowText::tr("JPG/JPEG"),
                           MainWindowText::tr("Add Veltrane command to the context-menu of JPGs and JPEGs"));
  form.jpegMenu->setGeometry(area.x(), area.y() + 16, area.width(), 16);
  form.bmpGifMenu = checkBox(window, "bmpGifMenu", MainWindowText::tr("BMP && GIF"));
  form.bmpGifMenu->setGeometry(area.x(), area.y() + 32, area.width(), 16);
}

void buildSwitches(QWidget *window, MainWindowForm &form) {
  auto *area = new QWidget(window);
  area->setGeometry(kToolButtonsArea);
  auto *layout = new QHBoxLayout(area);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(6);
  form.helpButton = named(new QToolButton(area), "helpButton", MainWindowText::tr("Toggle help"));
  form.helpButton->setText(QStringLiteral("?"));
  form.settingsButton = named(new QToolButton(area), "settingsButton", MainWindowText::tr("Advanced settings"));
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
      named(new QLabel(homePageText(), window), "homePageLink", MainWindowText::tr("Go to Veltrane's homepage!"));
  form.homePageLink->setGeometry(kLinkArea);
  form.homePageLink->setCursor(Qt::PointingHandCursor);
  // The desktop's link colour, so it reads on a dark theme as on a light one.
  form.homePageLink->setForegroundRole(QPalette::Link);
  QFont underlined = form.homePageLink->font();
  underlined.setUnderline(true);
  form.homePageLink->setFont(underlined);

  form.exitButton = named(new QToolButton(window), "exitButton", MainWindowText::tr("Exit program"));
  form.exitButton->setText(MainWindowText::tr("x"));
  // Inside the built-in outline's top right corner.
  form.exitButton->setGeometry(552, 21, 22, 16);
  form.minimizeButton = named(new QToolButton(window), "minimizeButton", MainWindowText::tr("Minimize window"));
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
  buildJobArea(window, form, kJobArea);
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
  go->setText(MainWindowText::tr("GO!"));
  go->setToolTip(MainWindowText::tr("Start resizing the images"));
}

void showGoRunning(QPushButton *go) {
  QFont font = go->font();
  font.setPointSize(14);
  font.setBold(true);
  go->setFont(font);
  go->setText(MainWindowText::tr("STOP"));
  go->setToolTip(MainWindowText::tr("Interrupt the process."));
}

} // namespace veltrane
