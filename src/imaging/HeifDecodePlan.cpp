#include "imaging/HeifDecodePlan.h"

#include "imaging/DecodeLimits.h"
#include "imaging/HeifCodedSize.h"
#include "imaging/HeifItems.h"

#include <algorithm>
#include <optional>
#include <set>

namespace veltrane {

namespace {

// Derived pictures of derived pictures: real files go one level deep.
constexpr int kMaxNesting = 8;
// Every picture decoded, tiles and canvases together: a grid at the limit
// holds its canvas and about as much again in tiles.
constexpr qint64 kTotalFactor = 4;
// Of a coded picture's data, the part searched for the size it declares: its
// sequence header leads it.
constexpr size_t kCodedBytesRead = 64 * 1024;

bool isAlpha(const QByteArray &urn) {
  return urn == "urn:mpeg:mpegB:cicp:systems:auxiliary:alpha" || urn == "urn:mpeg:hevc:2015:auxid:1" ||
         urn == "urn:mpeg:avc:2015:auxid:1";
}

// What one picture costs: its size, the most pixels held while it is made,
// and every pixel decoded for it.
struct Cost {
  qint64 width = 0, height = 0; // as its "ispe" box or descriptor gives it, which grids are laid out by
  qint64 pixels = 0;            // what it holds itself
  qint64 peak = 0, total = 0;
};

class Planner {
public:
  Planner(const HeifItems &file, const unsigned char *data, size_t size, qint64 maxPixels)
      : m_file(file), m_data(data), m_size(size), m_maxPixels(maxPixels) {}

  HeifDecodePlan plan() {
    std::optional<Cost> primary = cost(m_file.primary, 0);
    for (const auto &[id, item] : m_file.items) {
      if (!primary)
        break;
      const bool alphaOfPrimary =
          isAlpha(item.auxiliaryType) &&
          std::count(item.auxiliaryFor.begin(), item.auxiliaryFor.end(), m_file.primary);
      if (!alphaOfPrimary)
        continue;
      const std::optional<Cost> alpha = cost(id, 0);
      if (alpha)
        primary = add(*primary, *alpha, true);
      else
        primary.reset();
    }
    if (primary)
      m_plan.peakPixels = primary->peak;
    return m_plan;
  }

private:
  std::optional<Cost> fail(HeifDecodePlan::Problem problem, const QString &detail) {
    if (m_plan.ok()) {
      m_plan.problem = problem;
      m_plan.detail = detail;
    }
    return std::nullopt;
  }
  std::optional<Cost> damaged(const QString &detail) {
    return fail(HeifDecodePlan::Problem::Damaged, detail);
  }

  // A picture of this size may be made; its pixels count towards the total.
  std::optional<Cost> canvas(qint64 width, qint64 height) {
    if (width <= 0 || height <= 0)
      return damaged(QStringLiteral("a picture without a size"));
    if (width > m_maxPixels / height) // (a product of two 32-bit sides may not fit)
      return fail(HeifDecodePlan::Problem::TooLarge, pictureTooLargeText(width, height));
    return Cost{width, height, width * height, width * height, width * height};
  }

  // `part` made while `whole` is held (or beside it, as an alpha picture).
  std::optional<Cost> add(Cost whole, const Cost &part, bool beside = false) {
    whole.peak = beside ? whole.peak + part.peak : std::max(whole.peak, whole.pixels + part.peak);
    whole.total += part.total;
    if (whole.total > kTotalFactor * m_maxPixels)
      return fail(HeifDecodePlan::Problem::TooLarge,
                  QStringLiteral("picture too large (its parts hold over %1 pixels)").arg(whole.total));
    return whole;
  }

  std::optional<Cost> cost(quint32 id, int nesting) {
    if (const auto done = m_done.find(id); done != m_done.end())
      return done->second;
    const auto found = m_file.items.find(id);
    if (found == m_file.items.end())
      return damaged(QStringLiteral("a derived picture names an item that is not there"));
    if (nesting > kMaxNesting || !m_making.insert(id).second)
      return damaged(QStringLiteral("derived pictures refer to one another in a loop"));
    const HeifItem &item = found->second;
    std::optional<Cost> made;
    if (item.type == "grid")
      made = gridCost(item, nesting);
    else if (item.type == "iovl")
      made = overlayCost(item, nesting);
    else if (item.type == "iden")
      made = item.derivedFrom.size() == 1 ? cost(item.derivedFrom.front(), nesting + 1)
                                          : damaged(QStringLiteral("an identity item without one picture"));
    else
      made = codedCost(item);
    m_making.erase(id);
    if (made)
      m_done.emplace(id, *made);
    return made;
  }

  // The codec makes the picture its data declares, which the "ispe" box may understate.
  std::optional<Cost> codedCost(const HeifItem &item) {
    std::optional<Cost> made = canvas(item.width, item.height);
    QString error; // data libheif cannot read either: its own error follows
    bool truncated = false;
    const QByteArray data =
        made ? heifItemData(m_file, item, m_data, m_size, kCodedBytesRead, error, truncated) : QByteArray();
    const QSize coded = codedPictureSize(item.type, item.codecConfiguration, data);
    if (!made || coded.isEmpty())
      return made;
    const std::optional<Cost> declared = canvas(coded.width(), coded.height());
    if (declared)
      made->pixels = made->peak = made->total = std::max(made->pixels, declared->pixels);
    return declared ? made : declared;
  }

  // The descriptor of a grid or overlay: its first `bytes` bytes, or none.
  std::optional<QByteArray> descriptor(const HeifItem &item, size_t bytes) {
    QString error;
    bool truncated = false;
    const QByteArray data = heifItemData(m_file, item, m_data, m_size, bytes, error, truncated);
    if (error.isEmpty() && size_t(data.size()) < bytes)
      error = QStringLiteral("the %1 descriptor is cut short").arg(QString::fromLatin1(item.type));
    if (error.isEmpty())
      return data;
    fail(truncated ? HeifDecodePlan::Problem::Truncated : HeifDecodePlan::Problem::Damaged, error);
    return std::nullopt;
  }

  static qint64 field(const QByteArray &data, qsizetype at, int bytes) {
    qint64 value = 0;
    for (int i = 0; i < bytes; ++i)
      value = value << 8 | quint8(data[at + i]);
    return value;
  }

  std::optional<Cost> matchesHeader(const HeifItem &item, const Cost &made) {
    // libheif 1.15 gives a quarter-turned grid the turned size in its header: the same pixels.
    const bool turned = made.width == item.height && made.height == item.width;
    if ((made.width != item.width || made.height != item.height) && !turned)
      return damaged(
          QStringLiteral("the %1 is not the size its header gives").arg(QString::fromLatin1(item.type)));
    return made;
  }

  std::optional<Cost> gridCost(const HeifItem &item, int nesting) {
    std::optional<QByteArray> data = descriptor(item, 8);
    if (data && (quint8((*data)[1]) & 1))
      data = descriptor(item, 12);
    if (!data)
      return std::nullopt;
    const int side = (quint8((*data)[1]) & 1) ? 4 : 2;
    const qint64 rows = quint8((*data)[2]) + 1, columns = quint8((*data)[3]) + 1;
    std::optional<Cost> grid = canvas(field(*data, 4, side), field(*data, 4 + side, side));
    if (!grid)
      return grid;
    if (qint64(item.derivedFrom.size()) != rows * columns)
      return damaged(QStringLiteral("the grid has %1 tiles, not %2 x %3")
                         .arg(item.derivedFrom.size())
                         .arg(rows)
                         .arg(columns));
    std::optional<Cost> first;
    for (const quint32 tileId : item.derivedFrom) {
      const std::optional<Cost> tile = cost(tileId, nesting + 1);
      if (!tile)
        return tile;
      if (!first)
        first = tile;
      else if (tile->width != first->width || tile->height != first->height)
        return damaged(QStringLiteral("the grid's tiles differ in size"));
      if (!(grid = add(*grid, *tile)))
        return grid;
    }
    if (columns * first->width < grid->width || rows * first->height < grid->height)
      return damaged(QStringLiteral("the grid's tiles do not cover its picture"));
    if ((columns - 1) * first->width >= grid->width || (rows - 1) * first->height >= grid->height)
      return damaged(QStringLiteral("the grid has tiles outside its picture"));
    return matchesHeader(item, *grid);
  }

  std::optional<Cost> overlayCost(const HeifItem &item, int nesting) {
    std::optional<QByteArray> data = descriptor(item, 2);
    if (!data)
      return std::nullopt;
    if ((*data)[0] != 0)
      return damaged(QStringLiteral("an overlay of version %1").arg(int(quint8((*data)[0]))));
    const int side = (quint8((*data)[1]) & 1) ? 4 : 2;
    if (item.derivedFrom.empty())
      return damaged(QStringLiteral("an overlay of no pictures"));
    // Colour, canvas size, then an offset for each picture.
    if (!(data = descriptor(item, 2 + 8 + 2 * side * (1 + item.derivedFrom.size()))))
      return std::nullopt;
    std::optional<Cost> overlay = canvas(field(*data, 10, side), field(*data, 10 + side, side));
    for (const quint32 layer : item.derivedFrom) {
      if (!overlay)
        return overlay;
      const std::optional<Cost> part = cost(layer, nesting + 1);
      overlay = part ? add(*overlay, *part) : part;
    }
    return overlay ? matchesHeader(item, *overlay) : overlay;
  }

  const HeifItems &m_file;
  const unsigned char *m_data;
  size_t m_size;
  qint64 m_maxPixels;
  std::map<quint32, Cost> m_done;
  std::set<quint32> m_making;
  HeifDecodePlan m_plan;
};

} // namespace

HeifDecodePlan planHeifDecode(const unsigned char *data, size_t size, qint64 maxPixels) {
  const HeifItems file = readHeifItems(data, size);
  if (!file.ok()) {
    HeifDecodePlan plan;
    plan.problem = file.truncated ? HeifDecodePlan::Problem::Truncated : HeifDecodePlan::Problem::Damaged;
    plan.detail = file.error;
    return plan;
  }
  return Planner(file, data, size, maxPixels).plan();
}

} // namespace veltrane
