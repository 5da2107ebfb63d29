// Draws the stamp and the shipped frames. The pictures it writes are
// committed under assets/; run it again after changing a design:
//   build/bin/veltrane-make-assets assets
#include "ui/SkinOutline.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRandomGenerator>
#include <QTextStream>
#include <cmath>

namespace {

constexpr double kPi = 3.14159265358979323846;

struct Window {
  int x1, y1, x2, y2;
};

QString frameFileName(const QString &name, const Window &w) {
  return QStringLiteral("%1_%2-%3-%4-%5.jpg").arg(name).arg(w.x1).arg(w.y1).arg(w.x2).arg(w.y2);
}

// Wood: rings bent by slow waves, with fine streaks, along the board.
QImage woodTexture(QSize size, QColor light, QColor dark, quint32 seed, bool vertical) {
  QImage image(size, QImage::Format_RGB32);
  QRandomGenerator random(seed);
  const double phase = random.bounded(100.0);
  for (int y = 0; y < size.height(); ++y) {
    auto *row = reinterpret_cast<QRgb *>(image.scanLine(y));
    for (int x = 0; x < size.width(); ++x) {
      const double along = vertical ? y : x;
      const double across = vertical ? x : y;
      const double bend = 6 * std::sin(along / 97.0 + phase) + 3 * std::sin(along / 23.0 + phase * 2);
      const double ring = 0.5 + 0.5 * std::sin((across + bend) / 3.1 + std::sin(along / 180.0) * 2);
      const double streak = 0.5 + 0.5 * std::sin(across * 1.7 + std::sin(along / 9.0 + across) * 0.6);
      const double t = std::clamp(0.55 * ring * ring + 0.25 * streak + random.bounded(0.12), 0.0, 1.0);
      row[x] = qRgb(int(light.red() + (dark.red() - light.red()) * t),
                    int(light.green() + (dark.green() - light.green()) * t),
                    int(light.blue() + (dark.blue() - light.blue()) * t));
    }
  }
  return image;
}

// A mitred moulding: four trapezoids, each filled from its own board.
void drawMoulding(QPainter &p, QRect outer, int width, QColor light, QColor dark, quint32 seed) {
  const QRect inner = outer.adjusted(width, width, -width, -width);
  const QImage across = woodTexture(outer.size(), light, dark, seed, false);
  const QImage down = woodTexture(outer.size(), light, dark, seed + 7, true);
  const QPolygon top{outer.topLeft(), outer.topRight() + QPoint(1, 0), inner.topRight() + QPoint(1, 0),
                     inner.topLeft()};
  const QPolygon bottom{outer.bottomLeft() + QPoint(0, 1), outer.bottomRight() + QPoint(1, 1),
                        inner.bottomRight() + QPoint(1, 1), inner.bottomLeft() + QPoint(0, 1)};
  const QPolygon left{outer.topLeft(), inner.topLeft(), inner.bottomLeft() + QPoint(0, 1),
                      outer.bottomLeft() + QPoint(0, 1)};
  const QPolygon right{outer.topRight() + QPoint(1, 0), inner.topRight() + QPoint(1, 0),
                       inner.bottomRight() + QPoint(1, 1), outer.bottomRight() + QPoint(1, 1)};
  const struct {
    QPolygon shape;
    const QImage *board;
    int shade; // light falls from the top left
  } sides[] = {{top, &across, 115}, {bottom, &across, 80}, {left, &down, 105}, {right, &down, 85}};
  for (const auto &side : sides) {
    QPainterPath path;
    path.addPolygon(side.shape);
    p.save();
    p.setClipPath(path);
    p.drawImage(outer.topLeft(), *side.board);
    p.fillPath(path, side.shade > 100 ? QColor(255, 255, 255, (side.shade - 100) * 3)
                                      : QColor(0, 0, 0, (100 - side.shade) * 3));
    p.restore();
  }
  // Bevels along the outer and inner edges.
  p.setPen(QPen(QColor(0, 0, 0, 120), 2));
  p.drawRect(outer.adjusted(1, 1, -1, -1));
  p.setPen(QPen(QColor(0, 0, 0, 150), 3));
  p.drawRect(inner.adjusted(-1, -1, 1, 1));
}

void drawGoldBand(QPainter &p, QRect outer, int width) {
  for (int i = 0; i < width; ++i) {
    const double t = double(i) / std::max(1, width - 1);
    const double shine = 0.5 + 0.5 * std::cos(t * 2 * kPi);
    p.setPen(QColor(int(150 + 100 * shine), int(110 + 90 * shine), int(30 + 60 * shine)));
    p.drawRect(outer.adjusted(i, i, -i - 1, -i - 1));
  }
}

QImage goldenWood(Window &w) {
  QImage image(1000, 750, QImage::Format_RGB32);
  image.fill(QColor(24, 18, 12)); // the picture covers it
  QPainter p(&image);
  drawMoulding(p, image.rect(), 86, QColor(176, 112, 58), QColor(92, 48, 20), 11);
  drawGoldBand(p, image.rect().adjusted(86, 86, -86, -86), 14);
  w = {100, 100, 900, 650};
  return image;
}

QImage walnutPassePartout(Window &w) {
  QImage image(1000, 750, QImage::Format_RGB32);
  image.fill(Qt::black);
  QPainter p(&image);
  drawMoulding(p, image.rect(), 40, QColor(110, 70, 42), QColor(45, 26, 14), 23);
  // A cream mat with a bevelled cut around the window.
  const QRect mat = image.rect().adjusted(40, 40, -40, -40);
  p.fillRect(mat, QColor(236, 228, 208));
  QRandomGenerator random(5);
  for (int i = 0; i < 6000; ++i)
    p.fillRect(QRect(mat.x() + random.bounded(mat.width()), mat.y() + random.bounded(mat.height()), 1, 1),
               QColor(220, 210, 188));
  w = {150, 150, 850, 600};
  const QRect cut(w.x1 - 8, w.y1 - 8, w.x2 - w.x1 + 16, w.y2 - w.y1 + 16);
  p.fillRect(cut, QColor(250, 246, 236));
  p.setPen(QPen(QColor(200, 190, 170), 2));
  p.drawLine(cut.bottomLeft(), cut.bottomRight());
  p.drawLine(cut.topRight(), cut.bottomRight());
  return image;
}

QImage polaroid(Window &w) {
  QImage image(1000, 1120, QImage::Format_RGB32);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.fillRect(image.rect(), QColor(60, 60, 64));
  p.setBrush(QColor(30, 30, 30));
  p.setPen(Qt::NoPen);
  p.drawRoundedRect(QRectF(42, 46, 930, 1060), 8, 8);
  QLinearGradient card(0, 0, 0, 1120);
  card.setColorAt(0, QColor(252, 252, 248));
  card.setColorAt(1, QColor(236, 236, 230));
  p.setBrush(card);
  p.drawRoundedRect(QRectF(30, 30, 930, 1060), 6, 6);
  w = {90, 90, 900, 880};
  p.fillRect(QRect(w.x1 - 2, w.y1 - 2, w.x2 - w.x1 + 4, w.y2 - w.y1 + 4), QColor(200, 200, 196));
  return image;
}

QImage filmStrip(Window &w) {
  QImage image(1200, 800, QImage::Format_RGB32);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.fillRect(image.rect(), QColor(22, 20, 18));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(238, 236, 226));
  for (int x = 20; x < 1200; x += 58) {
    p.drawRoundedRect(QRectF(x, 26, 34, 48), 5, 5);
    p.drawRoundedRect(QRectF(x, 726, 34, 48), 5, 5);
  }
  QFont font(QStringLiteral("DejaVu Sans"), 13, QFont::Bold);
  p.setFont(font);
  p.setPen(QColor(214, 160, 40));
  p.drawText(QPointF(40, 105), QStringLiteral("VELTRANE 400     24"));
  p.drawText(QPointF(820, 715), QStringLiteral("\u25B6 25A"));
  w = {60, 115, 1140, 685};
  return image;
}

QImage tornPaper(Window &w) {
  QImage image(1000, 750, QImage::Format_RGB32);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.fillRect(image.rect(), QColor(54, 72, 60));
  QRandomGenerator random(42);
  // A ragged outline: many small steps in and out along every edge.
  QPolygonF edge;
  const auto ragged = [&](QPointF from, QPointF to, QPointF inward) {
    const int steps = int(QLineF(from, to).length() / 6);
    for (int i = 0; i < steps; ++i) {
      const double t = double(i) / steps;
      edge << from + (to - from) * t + inward * (random.bounded(10.0) + 4 * std::sin(i * 0.7));
    }
  };
  ragged({30, 30}, {970, 30}, {0, 1});
  ragged({970, 30}, {970, 720}, {-1, 0});
  ragged({970, 720}, {30, 720}, {0, -1});
  ragged({30, 720}, {30, 30}, {1, 0});
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 90));
  p.drawPolygon(edge.translated(6, 8));
  p.setBrush(QColor(246, 241, 228));
  p.drawPolygon(edge);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(255, 255, 255), 3));
  p.drawPolyline(edge);
  w = {95, 95, 905, 655};
  return image;
}

QImage ornateGold(Window &w) {
  QImage image(1000, 750, QImage::Format_RGB32);
  image.fill(Qt::black);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  drawGoldBand(p, image.rect(), 36);
  p.fillRect(image.rect().adjusted(36, 36, -36, -36), QColor(120, 84, 26));
  // Two rows of beads around the inner band.
  const auto bead = [&](QPointF at) {
    constexpr double r = 7;
    QRadialGradient shine(at - QPointF(2, 2), r);
    shine.setColorAt(0, QColor(255, 240, 170));
    shine.setColorAt(1, QColor(150, 100, 20));
    p.setBrush(shine);
    p.setPen(Qt::NoPen);
    p.drawEllipse(at, r, r);
  };
  for (int ring = 0; ring < 2; ++ring) {
    const double inset = 50 + ring * 22;
    const QRectF band = QRectF(image.rect()).adjusted(inset, inset, -inset, -inset);
    for (double x = band.left(); x <= band.right(); x += 18) {
      bead({x, band.top()});
      bead({x, band.bottom()});
    }
    for (double y = band.top() + 18; y < band.bottom(); y += 18) {
      bead({band.left(), y});
      bead({band.right(), y});
    }
  }
  drawGoldBand(p, image.rect().adjusted(104, 104, -104, -104), 16);
  w = {120, 120, 880, 630};
  return image;
}

QImage stamp() {
  // Two colours only: dark (21) marks, light (253) leaves the picture be.
  QImage image(800, 600, QImage::Format_RGB32);
  image.fill(qRgb(253, 253, 253));
  QPainter p(&image);
  QFont font(QStringLiteral("DejaVu Sans"), 72, QFont::Bold);
  font.setPixelSize(110);
  p.setFont(font);
  p.setPen(qRgb(21, 21, 21));
  p.translate(400, 300);
  p.rotate(-28);
  p.drawText(QRect(-420, -90, 840, 180), Qt::AlignCenter, QStringLiteral("VELTRANE"));
  p.end();
  // Text edges are anti-aliased: snap them back to the two colours.
  for (int y = 0; y < image.height(); ++y) {
    auto *row = reinterpret_cast<QRgb *>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x)
      row[x] = qRed(row[x]) < 137 ? qRgb(21, 21, 21) : qRgb(253, 253, 253);
  }
  return image.convertToFormat(QImage::Format_Indexed8, {qRgb(21, 21, 21), qRgb(253, 253, 253)});
}

// The built-in skin: light and shade only, around mid-grey, which the window
// lays over the desktop's own window colour (soft light), so that it reads
// in a light theme and in a dark one. It fits the built-in outline. Drawn at
// `scale` times the window's size for screens of that many device pixels per
// pixel, so the rim stays sharp there.
QImage skinRelief(int scale) {
  const QList<QPoint> outline = veltrane::readOutline(veltrane::kBuiltInOutline);
  QImage image(603 * scale, 406 * scale, QImage::Format_RGB32);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(scale, scale);
  const QRect area(0, 0, 603, 406);
  QLinearGradient light(0, 0, 0, 406);
  light.setColorAt(0, qRgb(168, 168, 168));
  light.setColorAt(0.18, qRgb(140, 140, 140));
  light.setColorAt(0.82, qRgb(122, 122, 122));
  light.setColorAt(1, qRgb(96, 96, 96));
  p.fillRect(area, light);
  // A faint diagonal sheen across the top left.
  QRadialGradient sheen(120, 40, 360);
  sheen.setColorAt(0, QColor(255, 255, 255, 60));
  sheen.setColorAt(1, QColor(255, 255, 255, 0));
  p.fillRect(area, sheen);
  // A rim along the outline: shade outside, a highlight just inside.
  const QPolygon shape(outline);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(40, 40, 40), 4));
  p.drawPolygon(shape);
  p.setPen(QPen(QColor(215, 215, 215), 2));
  p.drawPolygon(QTransform().translate(301.5, 203).scale(0.985, 0.975).translate(-301.5, -203).map(shape));
  p.end();
  return image;
}

// The application's icon: a picture with a corner arrow, on a rounded tile.
QImage applicationIcon() {
  QImage image(256, 256, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient tile(0, 0, 0, 256);
  tile.setColorAt(0, QColor(58, 132, 214));
  tile.setColorAt(1, QColor(24, 72, 150));
  p.setPen(Qt::NoPen);
  p.setBrush(tile);
  p.drawRoundedRect(QRectF(8, 8, 240, 240), 48, 48);
  // The picture: sky, sun, hills, in a white mount.
  const QRectF photo(44, 60, 150, 116);
  p.setBrush(Qt::white);
  p.drawRoundedRect(photo.adjusted(-8, -8, 8, 8), 8, 8);
  p.setBrush(QColor(150, 205, 245));
  p.drawRect(photo);
  p.setBrush(QColor(255, 206, 84));
  p.drawEllipse(QPointF(160, 88), 14, 14);
  p.setBrush(QColor(76, 160, 90));
  p.drawPolygon(QPolygonF({photo.bottomLeft(), {84, 118}, {120, 150}, {150, 124}, photo.bottomRight()}));
  // The resize arrow towards the bottom right.
  p.setPen(QPen(Qt::white, 16, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawLine(QPointF(150, 150), QPointF(206, 206));
  p.drawPolyline(QPolygonF({{170, 208}, {208, 208}, {208, 170}}));
  p.end();
  return image;
}

} // namespace

int main(int argc, char **argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  QTextStream err(stderr);
  if (argc != 2) {
    err << "usage: veltrane-make-assets ASSETS-FOLDER\n";
    return 2;
  }
  const QDir assets(QString::fromLocal8Bit(argv[1]));
  assets.mkpath(QStringLiteral("frames"));
  bool ok = stamp().save(assets.filePath(QStringLiteral("stamp.png")));
  ok = skinRelief(1).save(assets.filePath(QStringLiteral("skin.png"))) && ok;
  ok = skinRelief(2).save(assets.filePath(QStringLiteral("skin@2x.png"))) && ok;
  const QImage icon = applicationIcon();
  ok = icon.save(assets.filePath(QStringLiteral("veltrane.png"))) && ok;
  ok = icon.scaled(48, 48, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
           .save(assets.filePath(QStringLiteral("veltrane-48.png"))) &&
       ok;

  using Maker = QImage (*)(Window &);
  const struct {
    const char *name;
    Maker make;
  } frames[] = {{"Golden wood", goldenWood}, {"Walnut and passe-partout", walnutPassePartout},
                {"Polaroid", polaroid},      {"Film strip", filmStrip},
                {"Torn paper", tornPaper},   {"Ornate gold", ornateGold}};
  for (const auto &frame : frames) {
    Window window{};
    const QImage image = frame.make(window);
    const QString path =
        assets.filePath(QStringLiteral("frames/") + frameFileName(QString::fromUtf8(frame.name), window));
    ok = image.save(path, "JPEG", 90) && ok;
  }
  if (!ok)
    err << "could not write every picture\n";
  return ok ? 0 : 1;
}
