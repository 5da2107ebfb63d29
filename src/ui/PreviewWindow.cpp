#include "ui/PreviewWindow.h"

#include "imaging/PictureDecoder.h"

#include <QCloseEvent>
#include <QLabel>
#include <QVBoxLayout>

namespace veltrane {
namespace {

constexpr QSize kPictureBox{320, 240};

} // namespace

PreviewWindow::PreviewWindow(QWidget *parent)
    : QWidget(parent, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint), m_image(new QLabel(this)) {
  setObjectName(QStringLiteral("fPreview"));
  setWindowTitle(QStringLiteral(" PREVIEW"));
  m_image->setObjectName(QStringLiteral("Image1"));
  m_image->setAlignment(Qt::AlignCenter);
  m_image->setFixedSize(kPictureBox);
  m_image->setStyleSheet(QStringLiteral("background: #202020; color: #c0c0c0;"));
  auto *layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(m_image);
  setFixedSize(kPictureBox);
  showNothing();
}

void PreviewWindow::showNothing() {
  m_image->setPixmap({});
  m_image->setText(QStringLiteral("no image selected"));
}

void PreviewWindow::showPicture(PictureDecoder &decoder, const QString &path) {
  if (path.isEmpty()) {
    showNothing();
    return;
  }
  DecodeRequest request;
  request.neededSize = [](QSize full) { return full.scaled(kPictureBox, Qt::KeepAspectRatio); };
  const DecodeResult result = decoder.decodeFile(path, request);
  if (!result.ok()) {
    m_image->setPixmap({});
    m_image->setText(result.error);
    return;
  }
  const QImage fitted =
      result.picture->image.scaled(kPictureBox, Qt::KeepAspectRatio, Qt::SmoothTransformation);
  m_image->setPixmap(QPixmap::fromImage(fitted));
}

void PreviewWindow::closeEvent(QCloseEvent *event) {
  event->ignore();
  hide();
  emit closedByUser();
}

} // namespace veltrane
