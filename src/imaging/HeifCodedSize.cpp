#include "imaging/HeifCodedSize.h"

#include <algorithm>

namespace veltrane {

namespace {

// Bits, most significant first; reading past the end fails and yields 0.
class Bits {
public:
  explicit Bits(const QByteArray &bytes) : m_bytes(bytes) {}

  bool failed() const { return m_failed; }
  quint32 read(int count) {
    quint32 value = 0;
    for (int i = 0; i < count; ++i) {
      if (m_at >= qint64(m_bytes.size()) * 8) {
        m_failed = true;
        return 0;
      }
      value = value << 1 | ((quint8(m_bytes[qsizetype(m_at / 8)]) >> (7 - m_at % 8)) & 1);
      ++m_at;
    }
    return value;
  }
  void skip(int count) {
    for (; count > 32; count -= 32)
      read(32);
    read(count);
  }
  // Exp-Golomb (HEVC's ue(v), AV1's uvlc()).
  quint32 golomb() {
    int zeros = 0;
    while (!m_failed && read(1) == 0)
      if (++zeros > 31) {
        m_failed = true;
        return 0;
      }
    return zeros == 0 ? 0 : read(zeros) + ((quint32(1) << zeros) - 1);
  }

private:
  const QByteArray &m_bytes;
  qint64 m_at = 0;
  bool m_failed = false;
};

QSize larger(QSize a, QSize b) {
  return qint64(b.width()) * b.height() > qint64(a.width()) * a.height() ? b : a;
}

QSize toSize(quint32 width, quint32 height) {
  const quint32 most = 1u << 30; // the codecs' own bounds are lower; this keeps QSize whole
  return QSize(int(std::min(width, most)), int(std::min(height, most)));
}

// AV1's sequence_header_obu() up to max_frame_width/height_minus_1.
QSize av1SequenceSize(const QByteArray &payload) {
  Bits bits(payload);
  bits.skip(3 + 1); // seq_profile, still_picture
  if (bits.read(1)) // reduced_still_picture_header
    bits.skip(5);
  else {
    bool decoderModel = false;
    int delayBits = 0;
    if (bits.read(1)) { // timing_info_present_flag
      bits.skip(64);
      if (bits.read(1)) // equal_picture_interval
        bits.golomb();
      decoderModel = bits.read(1);
      if (decoderModel) {
        delayBits = int(bits.read(5)) + 1;
        bits.skip(32 + 5 + 5);
      }
    }
    const bool displayDelay = bits.read(1);
    const int points = int(bits.read(5)) + 1;
    for (int i = 0; i < points && !bits.failed(); ++i) {
      bits.skip(12);
      if (bits.read(5) > 7)
        bits.skip(1);
      if (decoderModel && bits.read(1))
        bits.skip(2 * delayBits + 1);
      if (displayDelay && bits.read(1))
        bits.skip(4);
    }
  }
  const int widthBits = int(bits.read(4)) + 1, heightBits = int(bits.read(4)) + 1;
  const quint32 width = bits.read(widthBits) + 1, height = bits.read(heightBits) + 1;
  return bits.failed() ? QSize() : toSize(width, height);
}

// Every sequence header among the OBUs of `data`.
QSize av1Size(const QByteArray &data) {
  QSize found;
  qsizetype at = 0;
  while (at < data.size()) {
    const quint8 header = quint8(data[at]);
    const int type = header >> 3 & 15;
    qsizetype next = at + 1 + ((header & 4) ? 1 : 0);
    quint64 length = quint64(data.size() - std::min(next, data.size()));
    if (header & 2) { // obu_has_size_field: leb128
      length = 0;
      for (int i = 0; i < 8; ++i) {
        if (next >= data.size())
          return found;
        const quint8 byte = quint8(data[next++]);
        length |= quint64(byte & 0x7F) << (7 * i);
        if (!(byte & 0x80))
          break;
      }
    }
    if (next > data.size() || length > quint64(data.size() - next))
      return found;
    if (type == 1) // OBU_SEQUENCE_HEADER
      found = larger(found, av1SequenceSize(data.mid(next, qsizetype(length))));
    at = next + qsizetype(length);
  }
  return found;
}

// pic_width/height_in_luma_samples of an HEVC SPS NAL unit.
QSize hevcSpsSize(const QByteArray &nal) {
  QByteArray payload; // without the emulation prevention bytes (a 3 after two zeros)
  int zeros = 0;
  for (qsizetype i = 2; i < nal.size(); ++i) {
    if (zeros >= 2 && nal[i] == 3) {
      zeros = 0;
      continue;
    }
    zeros = nal[i] == 0 ? zeros + 1 : 0;
    payload.append(nal[i]);
  }
  Bits bits(payload);
  bits.skip(4); // sps_video_parameter_set_id
  const int subLayers = int(bits.read(3));
  bits.skip(1 + 88 + 8); // temporal id nesting, general profile, general level
  bool profile[8] = {}, level[8] = {};
  for (int i = 0; i < subLayers; ++i) {
    profile[i] = bits.read(1);
    level[i] = bits.read(1);
  }
  if (subLayers > 0)
    bits.skip(2 * (8 - subLayers));
  for (int i = 0; i < subLayers; ++i)
    bits.skip((profile[i] ? 88 : 0) + (level[i] ? 8 : 0));
  bits.golomb();          // sps_seq_parameter_set_id
  if (bits.golomb() == 3) // chroma_format_idc
    bits.skip(1);
  const quint32 width = bits.golomb(), height = bits.golomb();
  return bits.failed() ? QSize() : toSize(width, height);
}

// Every SPS among the NAL unit arrays of an "hvcC" configuration.
QSize hevcSize(const QByteArray &configuration) {
  QSize found;
  if (configuration.size() < 23)
    return found;
  const auto u16 = [&](qsizetype at) {
    return quint8(configuration[at]) << 8 | quint8(configuration[at + 1]);
  };
  qsizetype at = 23;
  for (int array = 0, arrays = quint8(configuration[22]); array < arrays; ++array) {
    if (at + 3 > configuration.size())
      return found;
    const int type = configuration[at] & 0x3F, count = u16(at + 1);
    at += 3;
    for (int n = 0; n < count; ++n) {
      if (at + 2 > configuration.size() || u16(at) > configuration.size() - at - 2)
        return found;
      const qsizetype length = u16(at);
      if (type == 33) // SPS
        found = larger(found, hevcSpsSize(configuration.mid(at + 2, length)));
      at += 2 + length;
    }
  }
  return found;
}

// Every SPS among length-prefixed NAL units, as an HEVC item's data holds them.
QSize hevcDataSize(const QByteArray &data, int lengthBytes) {
  QSize found;
  for (qsizetype at = 0; at + lengthBytes <= data.size();) {
    quint64 length = 0;
    for (int i = 0; i < lengthBytes; ++i)
      length = length << 8 | quint8(data[at + i]);
    at += lengthBytes;
    if (length > quint64(data.size() - at))
      break;
    if (length >= 2 && (quint8(data[at]) >> 1 & 0x3F) == 33)
      found = larger(found, hevcSpsSize(data.mid(at, qsizetype(length))));
    at += qsizetype(length);
  }
  return found;
}

} // namespace

QSize codedPictureSize(const QByteArray &type, const QByteArray &configuration, const QByteArray &data) {
  if (type == "av01")
    return larger(av1Size(configuration.mid(4)), av1Size(data));
  if (type == "hvc1" && configuration.size() >= 23)
    return larger(hevcSize(configuration), hevcDataSize(data, (configuration[21] & 3) + 1));
  return {};
}

} // namespace veltrane
