#pragma once

#include <QString>
#include <QtGlobal>
#include <stdexcept>

namespace veltrane {

// What the JPEG writer raises: error number 26001 with the encoder's code, or
// for a file that could not be written, the system's error number and text.
class JpegError : public std::runtime_error {
public:
  static constexpr int kNumber = 26001;

  enum class Kind {
    Initialisation, // the encoder could not be set up
    Encoding,       // the encoder refused the picture
    File,           // the file system refused the file
  };

  // "Failed to initialise the JPEG encoder: " and the encoder's code.
  static JpegError initialisationFailed(int code) {
    return {Kind::Initialisation, code,
            QStringLiteral("Failed to initialise the JPEG encoder: ") + QString::number(code)};
  }
  // "Failed to save to JPG " and the encoder's code.
  static JpegError encodingFailed(int code) {
    return {Kind::Encoding, code, QStringLiteral("Failed to save to JPG ") + QString::number(code)};
  }
  // "Failed to save to JPG " followed by the path in quotes and the system's
  // reason, e.g. `Failed to save to JPG "/out/a.jpg": No space left on device`.
  static JpegError fileFailed(const QString &path, int errnoValue) {
    return {Kind::File, errnoValue,
            QStringLiteral("Failed to save to JPG \"%1\": %2").arg(path, qt_error_string(errnoValue))};
  }

  int number() const { return kNumber; }
  Kind kind() const { return m_kind; }
  // The encoder's code, or errno for Kind::File.
  int code() const { return m_code; }
  const QString &description() const { return m_description; }

private:
  JpegError(Kind kind, int code, const QString &description)
      : std::runtime_error(description.toStdString()), m_kind(kind), m_code(code),
        m_description(description) {}

  Kind m_kind;
  int m_code;
  QString m_description;
};

} // namespace veltrane
