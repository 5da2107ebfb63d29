#include "imaging/PhotoMetadata.h"
#include "imaging/DecoderFileReader.h"
#include "imaging/PhotoMetadataEdits.h"
#include "imaging/PhotoMetadataExcerpt.h"
#include "imaging/PhotoMetadataSegments.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <fcntl.h>
#include <mutex>
#include <sys/stat.h>
#include <unistd.h>

namespace veltrane {

// Muted: its warnings about damaged files would go to stderr, and the reason
// reaches the report anyway.
void prepareExiv2() {
  static std::once_flag once;
  std::call_once(once, [] {
    Exiv2::LogMsg::setLevel(Exiv2::LogMsg::mute);
    Exiv2::enableBMFF(true);
    static std::mutex xmpToolkit;
    Exiv2::XmpParser::initialize(
        [](void *lock, bool locking) {
          if (locking)
            static_cast<std::mutex *>(lock)->lock();
          else
            static_cast<std::mutex *>(lock)->unlock();
        },
        &xmpToolkit);
  });
}

namespace {

// What reading an excerpt takes at its peak, measured with heaptrack: Exiv2
// holds every EXIF entry as an object of about 800 bytes, several times over
// while writing them back, so 55 kB of densely tagged EXIF (7,000 entries)
// peaks at 5.8 MB, 106 times its size; 44 kB of mostly XMP and IPTC at 0.5 MB.
constexpr qint64 kExcerptReadingBase = 256 << 10;
constexpr qint64 kExcerptReadingCopies = 128;

// What was read, and the blocks that were there but could not be decoded.
struct ReadBlocks {
  MetadataBlocks blocks;
  QStringList damaged;
};

ReadBlocks blocksOf(Exiv2::Image &image) {
  image.readMetadata();
  ReadBlocks read{{image.exifData(), image.xmpData(), image.iptcData(), image.byteOrder()}, {}};
  if (read.blocks.byteOrder == Exiv2::invalidByteOrder)
    read.blocks.byteOrder = Exiv2::littleEndian;
  // Exiv2 drops an XMP packet it cannot parse without a word.
  if (!image.xmpPacket().empty() && read.blocks.xmp.empty())
    read.damaged << QStringLiteral("XMP data");
  return read;
}

Result<OutputMetadata> damaged(const QString &what) {
  return failure(QStringLiteral("its %1 is damaged").arg(what));
}

// The blocks under the policy, made true for the new file, as segments.
Result<OutputMetadata> outputOf(ReadBlocks read, MetadataPolicy policy, QSize outputSize) {
  MetadataBlocks &blocks = read.blocks;
  if (!read.damaged.isEmpty() && blocks.exif.empty() && blocks.xmp.empty() && blocks.iptc.empty())
    return damaged(read.damaged.join(QStringLiteral(" and ")));
  QStringList notes;
  for (const QString &block : read.damaged)
    notes << QStringLiteral("its %1 is damaged and was left out").arg(block);

  OutputMetadata output;
  output.locationRemoved = policy == MetadataPolicy::NoLocation && removeLocation(blocks);
  describeNewFile(blocks, outputSize);
  output.markers = metadataSegments(blocks, notes);
  output.note = notes.join(QStringLiteral("; "));
  return output;
}

// Exiv2 reports failures by exceptions; none may leave this module.
template <typename Read> Result<OutputMetadata> guarded(Read read) {
  try {
    prepareExiv2();
    return read();
  } catch (const Exiv2::AnyError &error) {
    if (error.code() == Exiv2::kerFileContainsUnknownImageType)
      return OutputMetadata{}; // a format without metadata Exiv2 knows of
    return failure(
        QStringLiteral("its metadata cannot be read (%1)").arg(QString::fromLocal8Bit(error.what())));
  } catch (const std::bad_alloc &) {
    return failure(QStringLiteral("its metadata cannot be read (out of memory)"));
  } catch (const std::exception &error) {
    return failure(
        QStringLiteral("its metadata cannot be read (%1)").arg(QString::fromLocal8Bit(error.what())));
  }
}

ReadBlocks blocksOfBytes(const QByteArray &bytes) {
  const auto image =
      Exiv2::ImageFactory::open(reinterpret_cast<const Exiv2::byte *>(bytes.constData()), long(bytes.size()));
  return blocksOf(*image);
}

Result<OutputMetadata> fromExcerpt(const MetadataExcerpt &excerpt, MetadataPolicy policy, QSize outputSize) {
  ReadBlocks read;
  try {
    read = blocksOfBytes(excerpt.bytes);
  } catch (const Exiv2::AnyError &) {
    if (excerpt.exifAt < 0)
      throw;
    read = blocksOfBytes(excerpt.bytesWithoutExif());
    read.blocks.exif.clear();
    read.damaged.prepend(QStringLiteral("EXIF data"));
  }
  // Exiv2 drops IPTC it cannot decode without a word too.
  if (excerpt.hasIptc && read.blocks.iptc.empty())
    read.damaged << QStringLiteral("IPTC data");
  return outputOf(std::move(read), policy, outputSize);
}

// Whether the file is of a format Exiv2 reads; one too short to tell is not.
template <typename GetType> bool knownToExiv2(GetType getType) {
  try {
    return getType() != Exiv2::ImageType::none;
  } catch (const Exiv2::AnyError &) {
    return false;
  }
}

// Opens a regular file without blocking on a FIFO or device put in its place.
Result<std::unique_ptr<QFile>> openRegularFile(const QString &path) {
  const QByteArray name = QFile::encodeName(path);
  struct stat info;
  if (name.isEmpty() || ::stat(name.constData(), &info) != 0)
    return failure(fileErrorText(name.isEmpty() ? ENOENT : errno));
  if (!S_ISREG(info.st_mode))
    return failure(fileErrorText(EISDIR));
  const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd < 0)
    return failure(fileErrorText(errno));
  auto file = std::make_unique<QFile>();
  if (!file->open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
    ::close(fd);
    return failure(file->errorString());
  }
  return file;
}

// The excerpt of the file read, or the whole file by `readWholeFile` for
// the formats that are read in place.
template <typename ReadWholeFile>
Result<OutputMetadata> outputFor(QIODevice &file, MetadataPolicy policy, QSize outputSize,
                                 ReadWholeFile readWholeFile) {
  const Result<MetadataExcerpt> excerpt = readMetadataExcerpt(file);
  if (!excerpt)
    return failure(excerpt.reason());
  switch (excerpt->kind) {
  case MetadataExcerpt::Kind::None: return OutputMetadata{};
  case MetadataExcerpt::Kind::Excerpt:
    return guarded([&] { return fromExcerpt(*excerpt, policy, outputSize); });
  case MetadataExcerpt::Kind::WholeFile: break;
  }
  return guarded(readWholeFile);
}

} // namespace

Result<OutputMetadata> readOutputMetadata(const QString &sourcePath, MetadataPolicy policy,
                                          QSize outputSize) {
  if (policy == MetadataPolicy::Strip)
    return OutputMetadata{};
  Result<std::unique_ptr<QFile>> file = openRegularFile(sourcePath);
  if (!file)
    return failure(file.reason());
  // TIFF and HEIF are read in place: Exiv2 maps a TIFF and reads a HEIF's
  // boxes, neither copies the pixels. An absolute path, so that no name is
  // taken for an address or standard input.
  const std::string path = QFile::encodeName(QFileInfo(sourcePath).absoluteFilePath()).toStdString();
  return outputFor(**file, policy, outputSize, [&]() -> Result<OutputMetadata> {
    if (!knownToExiv2([&] { return Exiv2::ImageFactory::getType(path); }))
      return OutputMetadata{};
    const auto image = Exiv2::ImageFactory::open(path, false);
    return outputOf(blocksOf(*image), policy, outputSize);
  });
}

qint64 metadataReadingMemory(const QString &sourcePath, MetadataPolicy policy) {
  if (policy == MetadataPolicy::Strip)
    return 0;
  Result<std::unique_ptr<QFile>> file = openRegularFile(sourcePath);
  if (!file)
    return 0; // nor will the reading get further
  const Result<MetadataExcerpt> excerpt = readMetadataExcerpt(**file);
  if (!excerpt)
    return 0;
  switch (excerpt->kind) {
  case MetadataExcerpt::Kind::None: return 0;
  case MetadataExcerpt::Kind::Excerpt:
    return std::min(kExcerptReadingBase + kExcerptReadingCopies * qint64(excerpt->bytes.size()),
                    kPhotoMetadataMemory);
  case MetadataExcerpt::Kind::WholeFile: break;
  }
  return kPhotoMetadataMemory;
}

Result<OutputMetadata> outputMetadataOfBytes(const QByteArray &fileBytes, MetadataPolicy policy,
                                             QSize outputSize) {
  if (policy == MetadataPolicy::Strip)
    return OutputMetadata{};
  QBuffer buffer;
  buffer.setData(fileBytes);
  buffer.open(QIODevice::ReadOnly);
  return outputFor(buffer, policy, outputSize, [&]() -> Result<OutputMetadata> {
    const auto *bytes = reinterpret_cast<const Exiv2::byte *>(fileBytes.constData());
    if (!knownToExiv2([&] { return Exiv2::ImageFactory::getType(bytes, long(fileBytes.size())); }))
      return OutputMetadata{};
    return outputOf(blocksOfBytes(fileBytes), policy, outputSize);
  });
}

} // namespace veltrane
