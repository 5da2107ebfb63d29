#include "imaging/HeifItems.h"

#include <algorithm>
#include <cstring>
#include <set>

namespace veltrane {

namespace {

// Big-endian reads within [at, end): a read past the end fails and leaves
// every later read failing too.
struct Reader {
  const unsigned char *data;
  size_t at, end;
  bool failed = false;

  bool has(size_t bytes) const { return !failed && end - at >= bytes; }
  quint64 number(size_t bytes) {
    if (!has(bytes)) {
      failed = true;
      return 0;
    }
    quint64 value = 0;
    for (size_t i = 0; i < bytes; ++i)
      value = value << 8 | data[at + i];
    at += bytes;
    return value;
  }
  quint32 u8() { return quint32(number(1)); }
  quint32 u16() { return quint32(number(2)); }
  quint32 u32() { return quint32(number(4)); }
  QByteArray fourcc() {
    if (!has(4)) {
      failed = true;
      return {};
    }
    at += 4;
    return QByteArray(reinterpret_cast<const char *>(data + at - 4), 4);
  }
  // A null-terminated text that must end inside the reader.
  QByteArray text() {
    const void *zero = failed ? nullptr : std::memchr(data + at, 0, end - at);
    if (!zero) {
      failed = true;
      return {};
    }
    const size_t length = size_t(static_cast<const unsigned char *>(zero) - (data + at));
    QByteArray found(reinterpret_cast<const char *>(data + at), qsizetype(length));
    at += length + 1;
    return found;
  }
};

struct Box {
  QByteArray type;
  Reader body; // the box's content, after its header
};

// The next box within `outer`, or false at its end; `error` set when the
// header is broken or the box passes the end of what holds it.
bool nextBox(Reader &outer, Box &box, QString &error, bool &truncated) {
  if (outer.at == outer.end)
    return false;
  const size_t start = outer.at;
  quint64 size = outer.u32();
  box.type = outer.fourcc();
  if (size == 1)
    size = outer.number(8);
  if (outer.failed) {
    error = QStringLiteral("a box header is cut short");
    truncated = true;
    return false;
  }
  const size_t header = outer.at - start;
  if (size == 0)
    size = outer.end - start;
  if (size < header) {
    error = QStringLiteral("a box is shorter than its header");
    return false;
  }
  if (size > outer.end - start) {
    error = QStringLiteral("a box goes past the end of what holds it");
    truncated = true;
    return false;
  }
  box.body = Reader{outer.data, outer.at, start + size_t(size)};
  outer.at = start + size_t(size);
  return true;
}

// Version and flags of a full box.
struct FullBox {
  quint32 version, flags;
};
FullBox fullBox(Reader &body) {
  const quint32 word = body.u32();
  return {word >> 24, word & 0xFFFFFF};
}

const char *const kRead[] = {"pitm", "iinf", "iloc", "iref", "iprp", "idat"};

bool isRead(const QByteArray &type) {
  for (const char *read : kRead)
    if (type == read)
      return true;
  return false;
}

class MetaReader {
public:
  MetaReader(HeifItems &file) : m_file(file) {}

  void read(Reader meta) {
    fullBox(meta);
    std::map<QByteArray, Reader> boxes;
    Box box;
    while (ok() && nextBox(meta, box, m_file.error, m_file.truncated))
      if (!boxes.emplace(box.type, box.body).second && isRead(box.type))
        return fail(QStringLiteral("two '%1' boxes").arg(QString::fromLatin1(box.type)));
    // In the order they depend on one another, whatever their order in the file.
    for (const char *type : kRead) {
      const auto found = boxes.find(type);
      if (!ok() || found == boxes.end())
        continue;
      Reader &body = found->second;
      if (found->first == "pitm") {
        const FullBox full = fullBox(body);
        m_file.primary = full.version == 0 ? body.u16() : body.u32();
      } else if (found->first == "iinf")
        readItemInfos(body);
      else if (found->first == "iloc")
        readLocations(body);
      else if (found->first == "iref")
        readReferences(body);
      else if (found->first == "iprp")
        readProperties(body);
      else if (found->first == "idat") {
        m_file.idatAt = body.at;
        m_file.idatSize = body.end - body.at;
      }
      if (body.failed)
        fail(QStringLiteral("the '%1' box is cut short").arg(QString::fromLatin1(type)));
    }
    if (ok() && !m_file.items.count(m_file.primary))
      fail(QStringLiteral("no primary picture"));
  }

private:
  bool ok() const { return m_file.ok(); }
  void fail(const QString &why) {
    if (ok())
      m_file.error = why;
  }

  void readItemInfos(Reader &body) {
    const FullBox full = fullBox(body);
    body.number(full.version == 0 ? 2 : 4); // the count: the boxes that follow are what counts
    Box box;
    while (ok() && !body.failed && nextBox(body, box, m_file.error, m_file.truncated)) {
      if (box.type != "infe")
        continue;
      const FullBox infe = fullBox(box.body);
      if (infe.version < 2)
        continue; // no item type: not a picture
      const quint32 id = infe.version == 2 ? box.body.u16() : box.body.u32();
      box.body.u16(); // protection index
      const QByteArray type = box.body.fourcc();
      if (box.body.failed)
        return fail(QStringLiteral("an 'infe' box is cut short"));
      if (!m_file.items.emplace(id, HeifItem{}).second)
        return fail(QStringLiteral("two items numbered %1").arg(id));
      m_file.items[id].type = type;
    }
  }

  void readLocations(Reader &body) {
    const FullBox full = fullBox(body);
    if (full.version > 2)
      return fail(QStringLiteral("'iloc' version %1").arg(full.version));
    const quint32 sizes = body.u16();
    const size_t offsetSize = sizes >> 12, lengthSize = sizes >> 8 & 15, baseSize = sizes >> 4 & 15,
                 indexSize = full.version > 0 ? sizes & 15 : 0;
    for (size_t field : {offsetSize, lengthSize, baseSize, indexSize})
      if (field != 0 && field != 4 && field != 8)
        return fail(QStringLiteral("an 'iloc' field of %1 bytes").arg(field));
    const quint32 count = full.version < 2 ? body.u16() : body.u32();
    std::set<quint32> located;
    for (quint32 i = 0; i < count && !body.failed; ++i) {
      const quint32 id = full.version < 2 ? body.u16() : body.u32();
      const quint32 method = full.version > 0 ? body.u16() & 15 : 0;
      const quint32 reference = body.u16();
      const quint64 base = body.number(baseSize);
      const quint32 extentCount = body.u16();
      std::vector<HeifExtent> extents;
      for (quint32 e = 0; e < extentCount && !body.failed; ++e) {
        body.number(indexSize);
        const quint64 offset = body.number(offsetSize), length = body.number(lengthSize);
        if (offset > ~base)
          return fail(QStringLiteral("an 'iloc' offset past any file"));
        extents.push_back({base + offset, length});
      }
      if (!located.insert(id).second)
        return fail(QStringLiteral("item %1 located twice").arg(id));
      const auto item = m_file.items.find(id);
      if (item == m_file.items.end() || body.failed)
        continue; // not an item of the 'iinf' box: nothing decodes it
      item->second.located = reference == 0 && method <= 1;
      item->second.inIdat = method == 1;
      item->second.extents = std::move(extents);
    }
  }

  void readReferences(Reader &body) {
    const FullBox full = fullBox(body);
    Box box;
    while (ok() && !body.failed && nextBox(body, box, m_file.error, m_file.truncated)) {
      const quint32 from = full.version == 0 ? box.body.u16() : box.body.u32();
      const quint32 count = box.body.u16();
      std::vector<quint32> to;
      for (quint32 i = 0; i < count && !box.body.failed; ++i)
        to.push_back(full.version == 0 ? box.body.u16() : box.body.u32());
      if (box.body.failed)
        return fail(QStringLiteral("an 'iref' entry is cut short"));
      const auto item = m_file.items.find(from);
      if (item == m_file.items.end())
        continue;
      if (box.type == "dimg")
        item->second.derivedFrom.insert(item->second.derivedFrom.end(), to.begin(), to.end());
      else if (box.type == "auxl")
        item->second.auxiliaryFor.insert(item->second.auxiliaryFor.end(), to.begin(), to.end());
    }
  }

  struct Property {
    QByteArray type;
    Reader body;
  };

  void readProperties(Reader &body) {
    std::vector<Property> properties;
    Box box;
    while (ok() && nextBox(body, box, m_file.error, m_file.truncated)) {
      if (box.type == "ipco") {
        Box property;
        while (ok() && nextBox(box.body, property, m_file.error, m_file.truncated))
          properties.push_back({property.type, property.body});
      } else if (box.type == "ipma") {
        readAssociations(box.body, properties);
        if (box.body.failed)
          fail(QStringLiteral("the 'ipma' box is cut short"));
      }
    }
  }

  void readAssociations(Reader &body, const std::vector<Property> &properties) {
    const FullBox full = fullBox(body);
    const quint32 count = body.u32();
    for (quint32 i = 0; i < count && ok() && !body.failed; ++i) {
      const quint32 id = full.version < 1 ? body.u16() : body.u32();
      const quint32 associations = body.u8();
      for (quint32 a = 0; a < associations && ok() && !body.failed; ++a) {
        const quint32 index = (full.flags & 1) ? body.u16() & 0x7FFF : body.u8() & 0x7F;
        if (index == 0 || body.failed)
          continue;
        if (index > properties.size())
          return fail(QStringLiteral("item %1 has a property that is not there").arg(id));
        const auto item = m_file.items.find(id);
        if (item != m_file.items.end())
          apply(properties[index - 1], item->second);
      }
    }
  }

  void apply(Property property, HeifItem &item) {
    if (property.type == "ispe") {
      fullBox(property.body);
      item.width = property.body.u32();
      item.height = property.body.u32();
    } else if (property.type == "av1C" || property.type == "hvcC") {
      const Reader &body = property.body;
      item.codecConfiguration =
          QByteArray(reinterpret_cast<const char *>(body.data + body.at), qsizetype(body.end - body.at));
    } else if (property.type == "auxC") {
      fullBox(property.body);
      item.auxiliaryType = property.body.text();
    } else
      return;
    if (property.body.failed)
      fail(QStringLiteral("the '%1' property is cut short").arg(QString::fromLatin1(property.type)));
  }

  HeifItems &m_file;
};

} // namespace

HeifItems readHeifItems(const unsigned char *data, size_t size) {
  HeifItems file;
  Reader top{data, 0, size};
  Box box;
  bool found = false;
  while (file.ok() && nextBox(top, box, file.error, file.truncated)) {
    if (box.type != "meta")
      continue;
    if (found) {
      file.error = QStringLiteral("two 'meta' boxes");
      return file;
    }
    found = true;
    MetaReader(file).read(box.body);
  }
  if (file.ok() && !found)
    file.error = QStringLiteral("no 'meta' box");
  return file;
}

QByteArray heifItemData(const HeifItems &file, const HeifItem &item, const unsigned char *data, size_t size,
                        size_t maxBytes, QString &error, bool &truncated) {
  if (!item.located) {
    error = QStringLiteral("a derived picture's data is not in the file");
    return {};
  }
  const quint64 origin = item.inIdat ? file.idatAt : 0, available = item.inIdat ? file.idatSize : size;
  QByteArray joined;
  for (const HeifExtent &extent : item.extents) {
    if (size_t(joined.size()) >= maxBytes)
      break;
    if (extent.offset > available || extent.length > available - extent.offset) {
      error = QStringLiteral("a derived picture's data lies past the end of the file");
      truncated = !item.inIdat;
      return {};
    }
    const quint64 length = extent.length ? extent.length : available - extent.offset;
    const size_t taken = size_t(std::min<quint64>(length, maxBytes - size_t(joined.size())));
    joined.append(reinterpret_cast<const char *>(data + origin + extent.offset), qsizetype(taken));
  }
  return joined;
}

} // namespace veltrane
