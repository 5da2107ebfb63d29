#include "TestPictures.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <cstdlib>
#include <stdexcept>

namespace veltrane::test {

QString writeImage(const QString &path, const QImage &image, int quality) {
  QDir().mkpath(QFileInfo(path).absolutePath());
  const QString suffix = QFileInfo(path).suffix().toLower();
  const QByteArray format = suffix == QLatin1String("bmp")   ? "BMP"
                            : suffix == QLatin1String("png") ? "PNG"
                                                             : "JPEG";
  if (!image.save(path, format.constData(), quality))
    throw std::runtime_error("cannot write a test picture");
  return path;
}

QString writePicture(const QString &path, QSize size, QColor colour, int quality) {
  QImage image(size, QImage::Format_RGB32);
  image.fill(colour);
  return writeImage(path, image, quality);
}

QImage noisePicture(QSize size, quint32 seed) {
  QImage image(size, QImage::Format_RGB32);
  QRandomGenerator random(seed);
  for (int y = 0; y < size.height(); ++y) {
    auto *row = reinterpret_cast<QRgb *>(image.scanLine(y));
    for (int x = 0; x < size.width(); ++x)
      row[x] = 0xFF000000u | random.generate();
  }
  return image;
}

int sharpSteps(const QImage &image, int threshold) {
  int steps = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 1; x < image.width(); ++x)
      steps += std::abs(qGray(image.pixel(x, y)) - qGray(image.pixel(x - 1, y))) > threshold;
  return steps;
}

QColor averageColour(const QImage &image, const QRect &area) {
  qint64 r = 0, g = 0, b = 0, n = 0;
  const QRect clipped = area.intersected(image.rect());
  for (int y = clipped.top(); y <= clipped.bottom(); ++y)
    for (int x = clipped.left(); x <= clipped.right(); ++x) {
      const QRgb p = image.pixel(x, y);
      r += qRed(p);
      g += qGreen(p);
      b += qBlue(p);
      ++n;
    }
  if (n == 0)
    return {};
  return QColor(int(r / n), int(g / n), int(b / n));
}

bool near(QColor actual, QColor expected, int tolerance) {
  return std::abs(actual.red() - expected.red()) <= tolerance &&
         std::abs(actual.green() - expected.green()) <= tolerance &&
         std::abs(actual.blue() - expected.blue()) <= tolerance;
}

} // namespace veltrane::test
