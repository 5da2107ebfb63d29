#include "ui/JobControls.h"
#include "ui/CaptionFitting.h"
#include "ui/WindowText.h"

#include "batch/OutputNaming.h"
#include "platform/PlatformServices.h"
#include "platform/Prompts.h"
#include "presets/FrameList.h"
#include "presets/PresetLine.h"
#include "ui/SizeChangeHandler.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace veltrane {
namespace {

const QString kResizedFolder = QStringLiteral("Resized pictures");

qint16 checked(const QCheckBox *box) { return box->isChecked() ? 1 : 0; }

void setText(QComboBox *box, const QString &text) {
  if (box->currentText() != text)
    box->setEditText(text);
}

void setText(QLineEdit *box, const QString &text) {
  if (box->text() != text)
    box->setText(text);
}

} // namespace

JobControls::JobControls(const MainWindowForm &form, PlatformServices &platform, QWidget *window)
    : QObject(window), m_form(form), m_platform(platform), m_window(window) {
  const MainWindowForm &f = m_form;
  const auto onChange = [this](auto *sender, auto signal, auto reaction) {
    connect(sender, signal, this, [this, reaction] {
      (this->*reaction)();
      notifyChanged();
    });
  };
  using Self = JobControls;
  onChange(f.maxWidth, &QComboBox::editTextChanged, &Self::sizeChange);
  onChange(f.maxHeight, &QComboBox::editTextChanged, &Self::sizeChange);
  onChange(f.manualSize, &QCheckBox::toggled, &Self::sizeChange);
  onChange(f.widthOn, &QCheckBox::toggled, &Self::widthOnToggled);
  onChange(f.heightOn, &QCheckBox::toggled, &Self::heightOnToggled);
  // One of the two options turns off whenever the other turns on.
  onChange(f.sizeLimitOption, &QRadioButton::toggled, &Self::qualityModeChanged);
  onChange(f.sheetMode, &QComboBox::currentIndexChanged, &Self::sheetModeChanged);
  onChange(f.sameFolder, &QCheckBox::toggled, &Self::sameFolderToggled);
  onChange(f.frame, &QComboBox::currentIndexChanged, &Self::frameSelectionChanged);
  for (QCheckBox *box : {f.swapForUpright, f.addSuffix, f.captionNames, f.captionSizes, f.captionFileSizes})
    connect(box, &QCheckBox::toggled, this, &JobControls::notifyChanged);
  for (QLineEdit *box : {f.fixedQuality, f.sizeLimitKb, f.suffixTemplate, f.outputFolder})
    connect(box, &QLineEdit::textChanged, this, &JobControls::notifyChanged);
  for (QComboBox *box : {f.sheetColumns, f.sheetRows})
    connect(box, &QComboBox::currentIndexChanged, this, &JobControls::notifyChanged);
  onChange(f.outputFormat, &QComboBox::currentIndexChanged, &Self::outputChanged);
  onChange(f.boxMode, &QComboBox::currentIndexChanged, &Self::outputChanged);
  onChange(f.neverEnlarge, &QCheckBox::toggled, &Self::outputChanged);
  connect(f.browse, &QPushButton::clicked, this, &JobControls::browseForOutputFolder);

  // On the combo boxes themselves: they hold the focus and hand their keys
  // and focus changes to the inner line edit directly, past its filters.
  f.maxWidth->installEventFilter(this);
  f.maxHeight->installEventFilter(this);
  f.suffixTemplate->installEventFilter(this);
}

JobSettings JobControls::job() const {
  const MainWindowForm &f = m_form;
  JobSettings job;
  job.maxWidth = f.maxWidth->currentText();
  job.maxHeight = f.maxHeight->currentText();
  job.swapForUpright = checked(f.swapForUpright);
  job.sizeLimitOn = f.sizeLimitOption->isChecked();
  job.fixedQuality = f.fixedQuality->text();
  job.sizeLimitKb = f.sizeLimitKb->text();
  job.suffixTemplate = f.suffixTemplate->text();
  job.frame = qint16(f.frame->currentIndex());
  job.sheetMode = qint16(f.sheetMode->currentIndex());
  job.sheetColumns = qint16(f.sheetColumns->currentIndex());
  job.sheetRows = qint16(f.sheetRows->currentIndex());
  job.captionNames = checked(f.captionNames);
  job.captionSizes = checked(f.captionSizes);
  job.captionFileSizes = checked(f.captionFileSizes);
  job.widthOn = checked(f.widthOn);
  job.heightOn = checked(f.heightOn);
  job.addSuffix = checked(f.addSuffix);
  job.sameFolder = checked(f.sameFolder);
  job.outputFolder = f.outputFolder->text();
  job.outputFormat = qint16(f.outputFormat->currentIndex());
  job.boxMode = qint16(f.boxMode->currentIndex());
  job.neverEnlarge = checked(f.neverEnlarge);
  return job;
}

void JobControls::setJob(const JobSettings &job) {
  const MainWindowForm &f = m_form;
  m_updatingSizes = true;
  m_settingJob = true;
  // In the order a preset line holds them, so the reactions run as they would
  // for a preset.
  setText(f.maxWidth, job.maxWidth);
  f.widthOn->setChecked(job.widthOn != 0);
  setText(f.maxHeight, job.maxHeight);
  f.heightOn->setChecked(job.heightOn != 0);
  f.swapForUpright->setChecked(job.swapForUpright != 0);
  setText(f.suffixTemplate, job.suffixTemplate);
  f.addSuffix->setChecked(job.addSuffix != 0);
  f.frame->setCurrentIndex(job.frame);
  setText(f.fixedQuality, job.fixedQuality);
  setText(f.sizeLimitKb, job.sizeLimitKb);
  (job.sizeLimitOn ? static_cast<QRadioButton *>(f.sizeLimitOption) : f.fixedQualityOption)->setChecked(true);
  f.sheetMode->setCurrentIndex(job.sheetMode);
  f.sheetColumns->setCurrentIndex(job.sheetColumns);
  f.sheetRows->setCurrentIndex(job.sheetRows);
  f.captionNames->setChecked(job.captionNames != 0);
  f.captionSizes->setChecked(job.captionSizes != 0);
  f.captionFileSizes->setChecked(job.captionFileSizes != 0);
  f.outputFormat->setCurrentIndex(job.outputFormat);
  f.boxMode->setCurrentIndex(job.boxMode);
  f.neverEnlarge->setChecked(job.neverEnlarge != 0);
  f.sameFolder->setChecked(job.sameFolder != 0);
  setText(f.outputFolder, job.outputFolder);
  f.outputFolder->setCursorPosition(0); // the start of a long path says more
  m_settingJob = false;
  m_updatingSizes = false;
  emit changed();
  emit previewOutdated();
}

void JobControls::applyPreset(const QString &line) {
  JobSettings next = job();
  fromPreset(next, line, m_frameEntries);
  setJob(next);
}

void JobControls::takeBatchChanges(const JobSettings &fromBatch) {
  const MainWindowForm &f = m_form;
  setText(f.fixedQuality, fromBatch.fixedQuality);
  setText(f.sizeLimitKb, fromBatch.sizeLimitKb);
  setText(f.suffixTemplate, fromBatch.suffixTemplate);
  if (f.frame->currentIndex() != fromBatch.frame)
    f.frame->setCurrentIndex(fromBatch.frame);
}

void JobControls::setFrameEntries(const QStringList &entries) {
  QComboBox *list = m_form.frame;
  m_frameEntries = entries;
  m_framesInstalled = entries.size() > kFirstFrameEntry;
  {
    const QSignalBlocker quiet(list);
    list->clear();
    // The first two entries are stored in presets as they are; only their
    // captions follow the language.
    list->addItems(entries);
    list->setItemText(kNoFrameEntry, MainWindowText::tr("(no frame)"));
    if (entries.size() > kTryAllEntry)
      list->setItemText(kTryAllEntry,
                        MainWindowText::tr("(try all %1 frames)").arg(entries.size() - kFirstFrameEntry));
    fitEntries(*list);
    list->setCurrentIndex(kNoFrameEntry);
  }
  list->setEnabled(m_framesInstalled);
  notifyChanged();
}

void JobControls::setSizeTexts(const QString &width, const QString &height) {
  m_updatingSizes = true;
  setText(m_form.maxWidth, width);
  setText(m_form.maxHeight, height);
  m_updatingSizes = false;
  notifyChanged();
}

void JobControls::notifyChanged() {
  if (!m_settingJob)
    emit changed();
}

QSize JobControls::borders() const {
  const QWidget *top = m_window->window();
  return top->frameGeometry().size() - top->geometry().size();
}

void JobControls::sizeChange() {
  if (m_updatingSizes)
    return;
  m_updatingSizes = true;
  const MainWindowForm &f = m_form;
  SizeChangeInput input;
  input.maxWidth = f.maxWidth->currentText();
  input.maxHeight = f.maxHeight->currentText();
  input.widthOn = checked(f.widthOn);
  input.heightOn = checked(f.heightOn);
  input.screen = m_platform.screen->pixelSize(); // the job's pixels
  input.picture = m_selectedPicture;
  input.borders = borders();
  const SizeChangeResult result = deriveSizes(input);
  setText(f.maxWidth, result.maxWidth);
  setText(f.maxHeight, result.maxHeight);
  f.manualSize->setEnabled(result.manualEnabled);
  m_updatingSizes = false;
  emit previewOutdated();
}

void JobControls::widthOnToggled() {
  const MainWindowForm &f = m_form;
  f.maxWidth->setEnabled(f.widthOn->isChecked());
  const JobSettings now = job();
  f.swapForUpright->setEnabled(now.swapEnabled());
  f.manualSize->setEnabled(now.widthOn + now.heightOn != 0);
  outputEnabling();
  sizeChange();
}

void JobControls::outputEnabling() {
  const MainWindowForm &f = m_form;
  const JobSettings now = job();
  f.outputFormat->setEnabled(!m_batchRunning);
  f.formatLabel->setEnabled(!m_batchRunning);
  // The way of meeting the box means something only with both limits.
  f.boxMode->setEnabled(!m_batchRunning && now.swapEnabled());
  f.neverEnlarge->setEnabled(!m_batchRunning && now.widthOn + now.heightOn != 0);
}

void JobControls::setBatchRunning(bool running) {
  m_batchRunning = running;
  outputEnabling();
}

void JobControls::outputChanged() {
  // setJob tells the preview once at its end.
  if (!m_settingJob)
    emit previewOutdated();
}

void JobControls::heightOnToggled() {
  m_form.maxHeight->setEnabled(m_form.heightOn->isChecked());
  widthOnToggled();
}

void JobControls::qualityModeChanged() {
  const MainWindowForm &f = m_form;
  const bool sizeLimited = f.sizeLimitOption->isChecked();
  f.fixedQuality->setEnabled(!sizeLimited);
  f.fixedQualityUnit->setEnabled(!sizeLimited);
  f.sizeLimitKb->setEnabled(sizeLimited);
  f.sizeLimitUnit->setEnabled(sizeLimited);
  sizeChange();
}

void JobControls::sheetModeChanged() {
  const MainWindowForm &f = m_form;
  const JobSettings now = job();
  const bool sheets = now.sheetMode > 0 && now.sheetsEnabled();
  for (QWidget *widget : std::initializer_list<QWidget *>{f.sheetColumns, f.sheetRows, f.captionNames,
                                                          f.captionSizes, f.captionFileSizes,
                                                          f.sheetTimesLabel, f.sheetWithLabel, f.sheetLabel})
    widget->setEnabled(sheets);
}

void JobControls::sameFolderToggled() {
  const MainWindowForm &f = m_form;
  const bool ownFolder = !f.sameFolder->isChecked();
  for (QWidget *widget :
       std::initializer_list<QWidget *>{f.saveToLabel, f.outputFolder, f.browse, f.sheetMode})
    widget->setEnabled(ownFolder);
  sheetModeChanged();
}

void JobControls::frameSelectionChanged() {
  QComboBox *list = m_form.frame;
  const int entry = list->currentIndex();
  // A preset can pick a frame while none is installed.
  if (entry > kNoFrameEntry && !m_framesInstalled) {
    list->setCurrentIndex(kNoFrameEntry);
    const Prompt prompt{MainWindowText::tr("NO FRAMES!"),
                        MainWindowText::tr("Sorry, no frames installed.\r\n\r\n"
                                           "Would you like to open the folder where frames go?"),
                        PromptIcon::Critical, PromptButtons::YesNo, PromptAnswer::Yes};
    if (m_platform.prompts->ask(prompt) == PromptAnswer::Yes)
      emit framesFolderWanted();
    return;
  }
  emit frameChosen(entry);
  emit previewOutdated();
}

void JobControls::browseForOutputFolder() {
  const QString current = m_form.outputFolder->text();
  QString start = current;
  if (start.endsWith(u'/' + kResizedFolder))
    start.chop(kResizedFolder.size() + 1);
  const std::optional<QString> chosen = m_platform.dialogs->chooseFolder(
      MainWindowText::tr("Choose a folder to save the resized pictures to.."), start);
  if (!chosen || chosen->isEmpty())
    return;
  // The pictures go into a folder of their own inside the one chosen.
  QString folder = *chosen;
  if (!folder.endsWith(u'/'))
    folder += u'/';
  m_form.outputFolder->setText(folder + kResizedFolder);
  m_form.outputFolder->setCursorPosition(0);
}

void JobControls::refreshEnabling() {
  heightOnToggled();
  qualityModeChanged();
  sameFolderToggled();
}

bool JobControls::eventFilter(QObject *watched, QEvent *event) {
  if (watched == m_form.maxWidth)
    return filterSizeBox(m_form.maxWidth, event);
  if (watched == m_form.maxHeight)
    return filterSizeBox(m_form.maxHeight, event);
  if (watched == m_form.suffixTemplate)
    return filterExtension(event);
  return false;
}

bool JobControls::filterSizeBox(QComboBox *box, QEvent *event) {
  if (event->type() == QEvent::KeyPress) {
    const QString typed = static_cast<QKeyEvent *>(event)->text();
    for (const QChar c : typed)
      if (!isSizeKeyAllowed(c))
        return true;
  } else if (event->type() == QEvent::FocusOut) {
    // Opening the box's own list is not leaving it.
    if (static_cast<QFocusEvent *>(event)->reason() != Qt::PopupFocusReason)
      setText(box, repairedSize(box->currentText()));
  }
  return false;
}

bool JobControls::filterExtension(QEvent *event) {
  if (event->type() == QEvent::KeyPress) {
    const QString typed = static_cast<QKeyEvent *>(event)->text();
    for (const QChar c : typed) {
      if (refusedInFileNames(c)) {
        m_platform.prompts->ask(
            {MainWindowText::tr("Invalid character ") + c,
             MainWindowText::tr("Filenames cannot contain the following characters:\r\n\r\n") +
                 kRefusedCharactersText,
             PromptIcon::Critical, PromptButtons::Ok, PromptAnswer::Ok});
        return true;
      }
    }
  } else if (event->type() == QEvent::MouseButtonDblClick) {
    m_form.suffixTemplate->setText(kReadyMadeTemplate);
    return true;
  }
  return false;
}

} // namespace veltrane
