#pragma once

#include <QWidget>

class QLabel;

namespace veltrane {

class PictureDecoder;

// The preview window in its simplest form: the selected picture, fitted
// into 320 x 240 pixels. Closing it only hides it.
class PreviewWindow : public QWidget {
  Q_OBJECT
public:
  explicit PreviewWindow(QWidget *parent = nullptr);

  // Shows a source file; an empty or unreadable one shows nothing.
  void showPicture(PictureDecoder &decoder, const QString &path);
  void showNothing();

signals:
  void closedByUser();

protected:
  void closeEvent(QCloseEvent *event) override;

private:
  QLabel *m_image;
};

} // namespace veltrane
