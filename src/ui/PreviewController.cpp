#include "ui/PreviewController.h"

#include "filelist/SourceList.h"
#include "imaging/SourceFormat.h"
#include "platform/Screen.h"
#include "presets/FrameList.h"
#include "presets/PresetLine.h"
#include "ui/FileList.h"
#include "ui/JobControls.h"
#include "ui/PreviewWindow.h"
#include "ui/SourceBox.h"

#include <QCheckBox>
#include <QComboBox>

namespace veltrane {
namespace {

// The source box's size with nothing in it: the proportions sizes keep then.
constexpr QSize kEmptyBox{320, 240};

} // namespace

PreviewController::PreviewController(const MainWindowForm &form, JobControls &controls,
                                     const SourceList &table, const PicturePreparer &preparer,
                                     const Screen &screen, PreviewWindow &preview, QObject *parent)
    : QObject(parent), m_form(form), m_controls(controls), m_table(table), m_screen(screen),
      m_preview(preview), m_sourceBox(std::make_unique<SourceBox>(preparer, screen.pixelSize())) {
  connect(m_sourceBox.get(), &SourceBox::changed, this, &PreviewController::sourceBoxChanged);
  connect(m_form.fileList, &FileList::selectionChanged, this, &PreviewController::reload);
  connect(&m_controls, &JobControls::frameChosen, this, &PreviewController::reload);
  connect(&m_controls, &JobControls::previewOutdated, this, [this] {
    reload();
    repaint();
  });
  connect(m_form.manualSize, &QCheckBox::toggled, this, &PreviewController::repaint);
  connect(&m_preview, &PreviewWindow::innerSizeDragged, this, &PreviewController::innerSizeDragged);
}

PreviewController::~PreviewController() = default;

QString PreviewController::selectedPath() const {
  const int row = m_form.fileList->currentRow();
  return row >= 1 && row <= m_table.fileCount() ? m_table.fullPath(row) : QString();
}

void PreviewController::reload() {
  const JobSettings job = m_controls.job();
  SourceBox::Request request{selectedPath(), resolveJob(job, m_screen.pixelSize()),
                             m_controls.frameEntries()};
  // The decoded file alone does not depend on the job; a prepared one does.
  const QString key =
      request.path + u'\n' + QString::number(job.frame) +
      (job.frame > kNoFrameEntry ? u'\n' + toPreset(job, m_controls.frameEntries()) : QString());
  if (key == m_lastRequest)
    return;
  m_lastRequest = key;
  m_sourceBox->request(std::move(request));
}

void PreviewController::sourceBoxChanged() {
  const SourceBox::Content &content = m_sourceBox->content();
  m_preview.showPicture(content.picture, content.reason);
  const QSize size = content.size.isValid() && !content.size.isEmpty() ? content.size : kEmptyBox;
  if (size != m_controls.selectedPictureSize()) {
    m_controls.setSelectedPictureSize(size);
    m_controls.sizeChange(); // repaints through previewOutdated
  } else {
    repaint();
  }
}

PreviewSizingInput PreviewController::sizingInput(const ResizeJob &job) const {
  PreviewSizingInput input;
  input.manual = m_form.manualSize->isChecked();
  input.maxWidth = m_form.maxWidth->currentText();
  input.maxHeight = m_form.maxHeight->currentText();
  input.widthOn = m_form.widthOn->isChecked();
  input.heightOn = m_form.heightOn->isChecked();
  input.swapForUpright = m_form.swapForUpright->isChecked() && m_form.swapForUpright->isEnabled();
  input.screen = m_screen.size();
  input.picture = m_controls.selectedPictureSize();
  input.boxMode = job.boxMode;
  input.neverEnlarge = job.neverEnlarge;
  return input;
}

void PreviewController::repaint() {
  if (m_controls.updatingSizes())
    return;
  const ResizeJob job = resolveJob(m_controls.job(), m_screen.pixelSize());
  m_preview.setTransparencyKept(formatWritten(job.format, m_sourceBox->content().format) !=
                                OutputFormat::Jpeg);
  m_preview.follow(sizingInput(job));
}

void PreviewController::innerSizeDragged(QSize inner) {
  if (m_form.manualSize->isChecked() && m_form.manualSize->isEnabled())
    m_controls.setSizeTexts(QString::number(inner.width()), QString::number(inner.height()));
  repaint();
}

} // namespace veltrane
