#pragma once

#include "common/Result.h"
#include "imaging/JpegEncoder.h"
#include "imaging/QualitySearch.h"
#include "imaging/SizePrediction.h"
#include "presets/OutputFormat.h"

#include <QByteArray>
#include <QImage>
#include <memory>
#include <optional>

namespace veltrane {

// Encodes pictures of one output format to a file's bytes in memory, at a
// quality from 1 to 100 (0 to 100 for JPEG), with the colour profile and
// metadata of `extras` in the format's own place for them. A picture with an
// alpha channel (Format_ARGB32_Premultiplied) keeps it where the format
// holds one. One encoder per thread; it may keep its buffers between pictures.
class PictureEncoder {
public:
  virtual ~PictureEncoder() = default;

  virtual OutputFormat format() const = 0;
  virtual Result<QByteArray> encode(const QImage &picture, int quality, const JpegExtras &extras) = 0;
  // Nothing once the file would be longer than `maxBytes`.
  virtual Result<std::optional<QByteArray>> encodeWithin(const QImage &picture, int quality,
                                                         qsizetype maxBytes, const JpegExtras &extras);
  // Qualities that give the same encoder setting give the same file: a
  // search encodes only one of them.
  virtual int settingOf(int quality) const { return quality; }
  virtual int lowestQuality() const { return 1; }
  // How a photograph's file grows with the quality, which steers the search.
  virtual const SizeCurve &sizeCurve() const;
  // PNG is lossless: its quality changes nothing.
  virtual bool hasQuality() const { return true; }
  // What of `extras` this format leaves out ("IPTC"), empty when nothing.
  virtual QString leftOut(const JpegExtras &extras) const;
  // The highest quality whose file is at most `limitK` kB; no bytes when
  // even the lowest is larger. Starts from what the pictures before this one
  // predict for its detail.
  virtual Result<QualityChoice> searchQuality(const QImage &picture, double limitK, const JpegExtras &extras);
  // Where what the searches learn is kept: the encoder's own, or one that
  // the encoders of other threads share, so that none of them starts cold.
  void learnInto(SizeMemory &memory) { m_memory = &memory; }

private:
  SizeMemory m_ownMemory;
  SizeMemory *m_memory = &m_ownMemory;
};

// JPEG by libjpeg-turbo, with its own search (see getQualityForK). Under a
// size limit the file written has Huffman tables made for the picture: the
// smaller file buys a higher quality.
class JpegPictureEncoder final : public PictureEncoder {
public:
  OutputFormat format() const override { return OutputFormat::Jpeg; }
  Result<QByteArray> encode(const QImage &picture, int quality, const JpegExtras &extras) override {
    m_encoder.setOptimizedCoding(false);
    return m_encoder.encode(picture, quality, extras);
  }
  Result<std::optional<QByteArray>> encodeWithin(const QImage &picture, int quality, qsizetype maxBytes,
                                                 const JpegExtras &extras) override {
    m_encoder.setOptimizedCoding(true);
    return m_encoder.encodeWithin(picture, quality, maxBytes, extras);
  }
  int lowestQuality() const override { return 0; }
  QString leftOut(const JpegExtras &) const override { return {}; }
  Result<QualityChoice> searchQuality(const QImage &picture, double limitK,
                                      const JpegExtras &extras) override;

private:
  JpegEncoder m_encoder;
};

// The encoder of a format. `threads` is how many threads one encode may use.
std::unique_ptr<PictureEncoder> makeEncoder(OutputFormat format, int threads);

// One encoder of each format for one thread, each made when first needed.
class EncoderSet {
public:
  EncoderSet(int threads, SizeMemories &shared) : m_threads(threads), m_shared(shared) {}
  PictureEncoder &of(OutputFormat format);

private:
  int m_threads;
  SizeMemories &m_shared;
  std::unique_ptr<PictureEncoder> m_encoders[5];
};

// EXIF as the formats other than JPEG keep it: the TIFF structure, without
// JPEG's "Exif\0\0" signature; empty when there is none.
QByteArray exifOf(const JpegExtras &extras);
// The XMP packet; empty when there is none.
QByteArray xmpOf(const JpegExtras &extras);
// Whether the extras hold IPTC (APP13), which only JPEG carries here.
bool hasIptc(const JpegExtras &extras);

// Whether any pixel is less than opaque.
bool hasTransparency(const QImage &picture);

// Rows of 8-bit RGB or, with `alpha`, RGBA not premultiplied, as encoders
// other than libjpeg read them.
QImage encoderRows(const QImage &picture, bool alpha);

} // namespace veltrane
