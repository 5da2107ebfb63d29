#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <cstddef>
#include <map>
#include <vector>

namespace veltrane {

// One stretch of an item's data: in the file, or in the "idat" box when the
// item is constructed from it.
struct HeifExtent {
  quint64 offset = 0;
  quint64 length = 0; // 0: up to the end of the file or the "idat" box
};

struct HeifItem {
  QByteArray type; // "av01", "hvc1", "grid", "iovl", "iden", ...; empty for an item without one
  bool located = false;
  bool inIdat = false;
  std::vector<HeifExtent> extents;
  quint32 width = 0, height = 0;     // its "ispe" property; 0 when it has none
  QByteArray auxiliaryType;          // its "auxC" property's URN
  QByteArray codecConfiguration;     // its "av1C" or "hvcC" property's content
  std::vector<quint32> derivedFrom;  // its "dimg" references, in order
  std::vector<quint32> auxiliaryFor; // its "auxl" references
};

// The items of a HEIF file's "meta" box, as far as they tell what decoding
// the primary picture will build.
struct HeifItems {
  quint32 primary = 0;
  std::map<quint32, HeifItem> items;
  quint64 idatAt = 0, idatSize = 0; // where the "idat" box's data lies in the file
  QString error;                    // why the boxes cannot be read; empty when they can
  bool truncated = false;           // the error is that a box goes past the data's end

  bool ok() const { return error.isEmpty(); }
};

// Reads the "meta" box's pitm, iinf, iloc, iref, iprp and idat boxes. Every
// length is checked against its enclosing box; nothing beyond them is read.
HeifItems readHeifItems(const unsigned char *data, size_t size);

// Up to `maxBytes` of an item's data, its extents joined; `error` says why
// there is none (an extent outside the file, a construction not supported).
QByteArray heifItemData(const HeifItems &file, const HeifItem &item, const unsigned char *data, size_t size,
                        size_t maxBytes, QString &error, bool &truncated);

} // namespace veltrane
