#include "ui/JobControls.h"

#include "batch/OutputNaming.h"
#include "platform/PlatformServices.h"
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
  onChange(f.maxX, &QComboBox::editTextChanged, &Self::sizeChange);
  onChange(f.maxY, &QComboBox::editTextChanged, &Self::sizeChange);
  onChange(f.manual, &QCheckBox::toggled, &Self::sizeChange);
  onChange(f.maxXon, &QCheckBox::toggled, &Self::maxXon_Click);
  onChange(f.maxYon, &QCheckBox::toggled, &Self::maxYon_Click);
  // One of the two options turns off whenever the other turns on.
  onChange(f.quality1, &QRadioButton::toggled, &Self::quality1_Click);
  onChange(f.indice, &QComboBox::currentIndexChanged, &Self::indice_Click);
  onChange(f.SameFolder, &QCheckBox::toggled, &Self::SameFolder_Click);
  onChange(f.addFrame, &QComboBox::currentIndexChanged, &Self::addFrame_Click);
  for (QCheckBox *box : {f.YX, f.AddExtension, f.indexNames, f.indexWH, f.indexK})
    connect(box, &QCheckBox::toggled, this, &JobControls::notifyChanged);
  for (QLineEdit *box : {f.fixed, f.maxK, f.extension, f.OutputPath})
    connect(box, &QLineEdit::textChanged, this, &JobControls::notifyChanged);
  for (QComboBox *box : {f.indexX, f.indexY})
    connect(box, &QComboBox::currentIndexChanged, this, &JobControls::notifyChanged);
  connect(f.Browse, &QPushButton::clicked, this, &JobControls::Browse_Click);

  f.maxX->lineEdit()->installEventFilter(this);
  f.maxY->lineEdit()->installEventFilter(this);
  f.extension->installEventFilter(this);
}

JobSettings JobControls::job() const {
  const MainWindowForm &f = m_form;
  JobSettings job;
  job.maxX = f.maxX->currentText();
  job.maxY = f.maxY->currentText();
  job.YX = checked(f.YX);
  job.quality1 = f.quality1->isChecked();
  job.fixed = f.fixed->text();
  job.maxK = f.maxK->text();
  job.extension = f.extension->text();
  job.addFrame = qint16(f.addFrame->currentIndex());
  job.indice = qint16(f.indice->currentIndex());
  job.indexX = qint16(f.indexX->currentIndex());
  job.indexY = qint16(f.indexY->currentIndex());
  job.indexNames = checked(f.indexNames);
  job.indexWH = checked(f.indexWH);
  job.indexK = checked(f.indexK);
  job.maxXon = checked(f.maxXon);
  job.maxYon = checked(f.maxYon);
  job.AddExtension = checked(f.AddExtension);
  job.SameFolder = checked(f.SameFolder);
  job.OutputPath = f.OutputPath->text();
  return job;
}

void JobControls::setJob(const JobSettings &job) {
  const MainWindowForm &f = m_form;
  m_updatingSizes = true;
  m_settingJob = true;
  // In the order a preset line holds them, so the reactions run as they would
  // for a preset.
  setText(f.maxX, job.maxX);
  f.maxXon->setChecked(job.maxXon != 0);
  setText(f.maxY, job.maxY);
  f.maxYon->setChecked(job.maxYon != 0);
  f.YX->setChecked(job.YX != 0);
  setText(f.extension, job.extension);
  f.AddExtension->setChecked(job.AddExtension != 0);
  f.addFrame->setCurrentIndex(job.addFrame);
  setText(f.fixed, job.fixed);
  setText(f.maxK, job.maxK);
  (job.quality1 ? static_cast<QRadioButton *>(f.quality1) : f.quality2)->setChecked(true);
  f.indice->setCurrentIndex(job.indice);
  f.indexX->setCurrentIndex(job.indexX);
  f.indexY->setCurrentIndex(job.indexY);
  f.indexNames->setChecked(job.indexNames != 0);
  f.indexWH->setChecked(job.indexWH != 0);
  f.indexK->setChecked(job.indexK != 0);
  f.SameFolder->setChecked(job.SameFolder != 0);
  setText(f.OutputPath, job.OutputPath);
  f.OutputPath->setCursorPosition(0); // the start of a long path says more
  m_settingJob = false;
  m_updatingSizes = false;
  emit changed();
  emit previewRepaint();
}

void JobControls::applyPreset(const QString &line) {
  JobSettings next = job();
  fromPreset(next, line, m_frameEntries);
  setJob(next);
}

void JobControls::takeBatchChanges(const JobSettings &fromBatch) {
  const MainWindowForm &f = m_form;
  setText(f.fixed, fromBatch.fixed);
  setText(f.maxK, fromBatch.maxK);
  setText(f.extension, fromBatch.extension);
  if (f.addFrame->currentIndex() != fromBatch.addFrame)
    f.addFrame->setCurrentIndex(fromBatch.addFrame);
}

void JobControls::setFrameEntries(const QStringList &entries) {
  QComboBox *list = m_form.addFrame;
  m_frameEntries = entries;
  m_framesInstalled = entries.size() > kFirstFrameEntry;
  {
    const QSignalBlocker quiet(list);
    list->clear();
    list->addItems(entries);
    list->setCurrentIndex(kNoFrameEntry);
  }
  list->setEnabled(m_framesInstalled);
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
  input.maxX = f.maxX->currentText();
  input.maxY = f.maxY->currentText();
  input.maxXon = checked(f.maxXon);
  input.maxYon = checked(f.maxYon);
  input.screen = m_platform.screen->size();
  input.picture = m_sourceBox;
  input.borders = borders();
  const SizeChangeResult result = deriveSizes(input);
  setText(f.maxX, result.maxX);
  setText(f.maxY, result.maxY);
  f.manual->setEnabled(result.manualEnabled);
  m_updatingSizes = false;
  emit previewRepaint();
}

void JobControls::maxXon_Click() {
  const MainWindowForm &f = m_form;
  f.maxX->setEnabled(f.maxXon->isChecked());
  const JobSettings now = job();
  f.YX->setEnabled(now.yxEnabled());
  f.manual->setEnabled(now.maxXon + now.maxYon != 0);
  sizeChange();
}

void JobControls::maxYon_Click() {
  m_form.maxY->setEnabled(m_form.maxYon->isChecked());
  maxXon_Click();
}

void JobControls::quality1_Click() {
  const MainWindowForm &f = m_form;
  const bool sizeLimited = f.quality1->isChecked();
  f.fixed->setEnabled(!sizeLimited);
  f.lFixed->setEnabled(!sizeLimited);
  f.maxK->setEnabled(sizeLimited);
  f.lMaxK->setEnabled(sizeLimited);
  sizeChange();
}

void JobControls::indice_Click() {
  const MainWindowForm &f = m_form;
  const JobSettings now = job();
  const bool sheets = now.indice > 0 && now.indiceEnabled();
  for (QWidget *widget : std::initializer_list<QWidget *>{f.indexX, f.indexY, f.indexNames, f.indexWH,
                                                          f.indexK, f.indexl1, f.indexl2, f.indexl3})
    widget->setEnabled(sheets);
}

void JobControls::SameFolder_Click() {
  const MainWindowForm &f = m_form;
  const bool ownFolder = !f.SameFolder->isChecked();
  for (QWidget *widget : std::initializer_list<QWidget *>{f.lSaveTo, f.OutputPath, f.Browse, f.indice})
    widget->setEnabled(ownFolder);
  indice_Click();
}

void JobControls::addFrame_Click() {
  QComboBox *list = m_form.addFrame;
  const int entry = list->currentIndex();
  // A preset can pick a frame while none is installed.
  if (entry > kNoFrameEntry && !m_framesInstalled) {
    list->setCurrentIndex(kNoFrameEntry);
    const Prompt prompt{QStringLiteral("NO FRAMES!"),
                        QStringLiteral("Sorry, no frames installed.\r\n\r\n"
                                       "Would you like to download some from Veltrane's homepage?"),
                        PromptIcon::Critical, PromptButtons::YesNo, PromptAnswer::Yes};
    if (m_platform.prompts->ask(prompt) == PromptAnswer::Yes)
      emit homePageWanted();
    return;
  }
  emit frameChosen(entry);
  emit previewRepaint();
}

void JobControls::Browse_Click() {
  const QString current = m_form.OutputPath->text();
  QString start = current;
  if (start.endsWith(u'/' + kResizedFolder))
    start.chop(kResizedFolder.size() + 1);
  const std::optional<QString> chosen = m_platform.dialogs->chooseFolder(
      QStringLiteral("Choose a folder to save the resized pictures to.."), start);
  if (!chosen || chosen->isEmpty())
    return;
  // The pictures go into a folder of their own inside the one chosen.
  QString folder = *chosen;
  if (!folder.endsWith(u'/'))
    folder += u'/';
  m_form.OutputPath->setText(folder + kResizedFolder);
  m_form.OutputPath->setCursorPosition(0);
}

void JobControls::refreshEnabling() {
  maxYon_Click();
  quality1_Click();
  SameFolder_Click();
}

bool JobControls::eventFilter(QObject *watched, QEvent *event) {
  if (watched == m_form.maxX->lineEdit())
    return filterSizeBox(m_form.maxX, event);
  if (watched == m_form.maxY->lineEdit())
    return filterSizeBox(m_form.maxY, event);
  if (watched == m_form.extension)
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
      if (const std::optional<Prompt> refusal = extension_KeyPress(c)) {
        m_platform.prompts->ask(*refusal);
        return true;
      }
    }
  } else if (event->type() == QEvent::MouseButtonDblClick) {
    m_form.extension->setText(kReadyMadeTemplate);
    return true;
  }
  return false;
}

} // namespace veltrane
