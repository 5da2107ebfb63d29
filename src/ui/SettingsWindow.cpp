#include "ui/SettingsWindow.h"
#include "ui/CaptionFitting.h"
#include "ui/WindowText.h"

#include "common/Numbers.h"
#include "platform/Dialogs.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace veltrane {
namespace {

template <typename Widget> Widget *named(Widget *widget, const char *name, const QString &tooltip = {}) {
  widget->setObjectName(QString::fromLatin1(name));
  if (!tooltip.isEmpty())
    widget->setToolTip(tooltip);
  return widget;
}

QLabel *swatch(QWidget *parent, const char *name, const QString &tooltip) {
  auto *label = named(new QLabel(parent), name, tooltip);
  label->setFixedSize(40, 18);
  label->setFrameShape(QFrame::Box);
  label->setCursor(Qt::PointingHandCursor);
  return label;
}

} // namespace

SettingsWindow::SettingsWindow(Dialogs &dialogs, QWidget *parent)
    : QWidget(parent, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint), m_dialogs(dialogs) {
  setObjectName(QStringLiteral("settingsWindow"));
  setWindowTitle(SettingsWindowText::tr("SETTINGS"));
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(12);
  setFont(font);

  auto *layout = new QVBoxLayout(this);
  layout->setContentsMargins(10, 10, 10, 10);
  layout->setSpacing(8);

  layout->addWidget(sheetGroup());
  layout->addWidget(photoGroup());
  layout->addWidget(lookGroup());
  layout->addWidget(whenDoneGroup());

  setSwatch(m_backgroundSwatch, m_background, m_background);
  setSwatch(m_captionSwatch, m_caption, m_caption);
  m_backgroundSwatch->installEventFilter(this);
  m_captionSwatch->installEventFilter(this);
  connect(m_open, &QCheckBox::toggled, this, &SettingsWindow::openFolderToggled);
  connect(m_graphic, &QRadioButton::toggled, this, [this](bool on) {
    if (on)
      shapedWindowChosen();
  });
  connect(m_windowed, &QRadioButton::toggled, this, [this](bool on) {
    if (on)
      plainWindowChosen();
  });
  openFolderToggled();
  fitCaptions(*this);
  setFixedSize(sizeHint());
}

QGroupBox *SettingsWindow::sheetGroup() {
  auto *sheets = new QGroupBox(SettingsWindowText::tr("Index sheets"), this);
  auto *grid = new QGridLayout(sheets);
  grid->setHorizontalSpacing(8);
  auto *backgroundLabel = new QLabel(SettingsWindowText::tr("INDEXES: background color"), sheets);
  m_backgroundSwatch =
      swatch(sheets, "sheetBackground", SettingsWindowText::tr("Background color of the picture indexes"));
  auto *captionLabel = new QLabel(SettingsWindowText::tr("text color"), sheets);
  captionLabel->setToolTip(SettingsWindowText::tr("Colour of the captions of the picture indexes"));
  m_captionSwatch = swatch(sheets, "captionColour", SettingsWindowText::tr("Line colour"));
  auto *sizeLabel = new QLabel(SettingsWindowText::tr("font size"), sheets);
  m_fontSize = named(new QLineEdit(QStringLiteral("9"), sheets), "captionFontSize");
  m_fontSize->setFixedWidth(40);
  m_fontSize->setAlignment(Qt::AlignRight);
  sizeLabel->setBuddy(m_fontSize);
  m_bold = named(new QCheckBox(SettingsWindowText::tr("bold"), sheets), "captionBold");
  m_italics = named(new QCheckBox(SettingsWindowText::tr("italics"), sheets), "captionItalic");
  grid->addWidget(backgroundLabel, 0, 0);
  grid->addWidget(m_backgroundSwatch, 0, 1);
  grid->addWidget(captionLabel, 1, 0);
  grid->addWidget(m_captionSwatch, 1, 1);
  grid->addWidget(sizeLabel, 2, 0);
  grid->addWidget(m_fontSize, 2, 1);
  auto *style = new QHBoxLayout;
  style->setSpacing(12);
  style->addWidget(m_bold);
  style->addWidget(m_italics);
  style->addStretch(1);
  grid->addLayout(style, 3, 0, 1, 3);
  grid->setColumnStretch(2, 1);
  return sheets;
}

QGroupBox *SettingsWindow::photoGroup() {
  auto *photos = new QGroupBox(SettingsWindowText::tr("Photos"), this);
  auto *layout = new QGridLayout(photos);
  auto *metadataLabel = new QLabel(SettingsWindowText::tr("metadata"), photos);
  m_metadata = named(new QComboBox(photos), "metadataPolicy");
  // In the order of the policy's values.
  m_metadata->addItem(SettingsWindowText::tr("keep all but the location"));
  m_metadata->addItem(SettingsWindowText::tr("keep all"));
  m_metadata->addItem(SettingsWindowText::tr("remove all"));
  m_metadata->setToolTip(SettingsWindowText::tr("What resized photos keep of the date, camera, exposure, copyright "
                                        "and place (GPS) stored in their sources"));
  metadataLabel->setBuddy(m_metadata);
  m_keepProfile = named(new QCheckBox(SettingsWindowText::tr("keep colour profiles (don't convert to sRGB)"), photos),
                        "keepColourProfile");
  m_keepProfile->setToolTip(SettingsWindowText::tr("For viewers that manage colour: photos keep the profile they "
                                           "came with instead of being converted to sRGB"));
  layout->addWidget(metadataLabel, 0, 0);
  layout->addWidget(m_metadata, 0, 1);
  layout->addWidget(m_keepProfile, 1, 0, 1, 3);
  layout->setColumnStretch(2, 1);
  return photos;
}

QGroupBox *SettingsWindow::lookGroup() {
  auto *look = new QGroupBox(SettingsWindowText::tr("Interface style"), this);
  auto *lookLayout = new QGridLayout(look);
  m_graphic = named(new QRadioButton(SettingsWindowText::tr("graphic"), look), "shapedWindow");
  m_windowed = named(new QRadioButton(SettingsWindowText::tr("windowed"), look), "plainWindow");
  auto *note = new QLabel(SettingsWindowText::tr("(you can also doubleclick empty areas to toggle)"), look);
  note->setWordWrap(true);
  QFont noteFont = note->font();
  noteFont.setPixelSize(11);
  note->setFont(noteFont);
  m_guideAtExit = named(new QCheckBox(SettingsWindowText::tr("open the guide page on exit"), look), "guideAtExit");
  m_guideAtExit->setToolTip(SettingsWindowText::tr("Open Veltrane's guide and support page in the browser when you "
                                           "close the program"));
  lookLayout->addWidget(m_graphic, 0, 0);
  lookLayout->addWidget(m_windowed, 0, 1);
  lookLayout->addWidget(note, 1, 0, 1, 3);
  lookLayout->addWidget(m_guideAtExit, 2, 0, 1, 3);
  lookLayout->setColumnStretch(2, 1);
  return look;
}

QGroupBox *SettingsWindow::whenDoneGroup() {
  auto *done = new QGroupBox(SettingsWindowText::tr("On job complete"), this);
  auto *doneLayout = new QVBoxLayout(done);
  m_open = named(new QCheckBox(SettingsWindowText::tr("..and then open resized images' folder"), done), "openFolder");
  m_fullScreen = named(new QCheckBox(SettingsWindowText::tr("full-screen"), done), "fullScreen");
  m_shut = named(new QCheckBox(SettingsWindowText::tr("exit program"), done), "exitWhenDone");
  auto *fullScreenRow = new QHBoxLayout;
  fullScreenRow->addSpacing(20);
  fullScreenRow->addWidget(m_fullScreen);
  doneLayout->addWidget(m_open);
  doneLayout->addLayout(fullScreenRow);
  doneLayout->addWidget(m_shut);
  return done;
}

void SettingsWindow::setSheetOptions(const ProgramSettings &settings) {
  setSwatch(m_backgroundSwatch, m_background, colourFromValue(settings.indexBackground));
  setSwatch(m_captionSwatch, m_caption, colourFromValue(settings.captionColour));
  m_bold->setChecked(settings.captionBold != 0);
  m_italics->setChecked(settings.captionItalic != 0);
  m_fontSize->setText(settings.fontSize);
}

void SettingsWindow::writeSheetOptions(ProgramSettings &settings) const {
  settings.indexBackground = colourValue(m_background);
  settings.captionColour = colourValue(m_caption);
  settings.captionBold = m_bold->isChecked() ? 1 : 0;
  settings.captionItalic = m_italics->isChecked() ? 1 : 0;
  settings.fontSize = m_fontSize->text();
}

void SettingsWindow::setPhotoOptions(const PhotoOptions &options) {
  m_metadata->setCurrentIndex(int(options.metadata));
  m_keepProfile->setChecked(options.keepColourProfile);
}

void SettingsWindow::setGuideAtExit(bool on) { m_guideAtExit->setChecked(on); }

bool SettingsWindow::guideAtExit() const { return m_guideAtExit->isChecked(); }

PhotoOptions SettingsWindow::photoOptions() const {
  return {MetadataPolicy(std::max(0, m_metadata->currentIndex())), m_keepProfile->isChecked()};
}

SheetStyle SettingsWindow::sheetStyle() const {
  SheetStyle style;
  style.background = m_background;
  style.caption = m_caption;
  style.bold = m_bold->isChecked();
  style.italic = m_italics->isChecked();
  style.fontSize = leadingNumber(m_fontSize->text());
  return style;
}

void SettingsWindow::fillSwitches(qint32 folderWindowMode, qint32 exitWhenDone, bool plainMode) {
  m_plainMode = plainMode;
  m_open->setChecked(folderWindowMode != 0);
  m_fullScreen->setChecked(folderWindowMode == 3);
  m_shut->setChecked(exitWhenDone != 0);
  (plainMode ? m_windowed : m_graphic)->setChecked(true);
}

qint32 SettingsWindow::folderWindowMode() const {
  if (!m_open->isChecked())
    return 0;
  return m_fullScreen->isChecked() ? 3 : 1;
}

qint32 SettingsWindow::exitWhenDone() const { return m_shut->isChecked() ? -1 : 0; }

void SettingsWindow::openFolderToggled() { m_fullScreen->setEnabled(m_open->isChecked()); }

void SettingsWindow::shapedWindowChosen() {
  if (m_plainMode) {
    m_plainMode = false;
    emit plainModeChosen(false);
  }
}

void SettingsWindow::plainWindowChosen() {
  if (!m_plainMode) {
    m_plainMode = true;
    emit plainModeChosen(true);
  }
}

void SettingsWindow::chooseSheetBackground() { chooseColour(m_backgroundSwatch, m_background); }

void SettingsWindow::chooseCaptionColour() { chooseColour(m_captionSwatch, m_caption); }

void SettingsWindow::chooseColour(QLabel *swatch, QColor &held) {
  // The dialog starts from the swatch's own colour.
  if (const std::optional<QColor> colour = m_dialogs.chooseColour(held))
    setSwatch(swatch, held, *colour);
  activateWindow();
}

void SettingsWindow::setSwatch(QLabel *swatch, QColor &held, const QColor &colour) {
  held = colour;
  swatch->setStyleSheet(
      QStringLiteral("background-color: %1; border: 1px solid #606060;").arg(colour.name()));
}

void SettingsWindow::closeEvent(QCloseEvent *event) {
  event->ignore();
  hide();
  emit closed(folderWindowMode(), exitWhenDone());
}

bool SettingsWindow::eventFilter(QObject *watched, QEvent *event) {
  if (event->type() == QEvent::MouseButtonRelease) {
    if (watched == m_backgroundSwatch) {
      chooseSheetBackground();
      return true;
    }
    if (watched == m_captionSwatch) {
      chooseCaptionColour();
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

} // namespace veltrane
