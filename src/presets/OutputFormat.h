#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace veltrane {

// The file formats a job writes.
enum class OutputFormat { Jpeg, Png, Webp, Avif, Jxl };

// How a picture meets a box of two limits. With one limit on, every way
// keeps the proportions.
enum class BoxMode {
  Stretch, // exactly the box: the rule stored presets were made with
  Fit,     // inside the box, proportions kept
  Fill,    // covering the box, proportions kept, the overflow cropped from the centre
};

// The job's format list, in the window's order: the formats, then "same as
// the source" (index kSameFormatIndex).
inline constexpr int kSameFormatIndex = 5;

// The words a preset line and the command line use: "jpeg" ... "jxl", "same".
const QStringList &formatWords();
// "JPEG", "PNG", "WebP", "AVIF", "JPEG XL", "same as source": the window's list.
const QStringList &formatCaptions();
// ".jpg", ".png", ".webp", ".avif", ".jxl".
QString formatExtension(OutputFormat format);
// "jpeg" ... "jxl", as the report names the format written.
QString formatWord(OutputFormat format);
// The format of a list index; none for "same as the source" or a bad index.
std::optional<OutputFormat> formatOfIndex(int index);

// "stretch", "fit", "fill": the preset line's and the command line's words.
const QStringList &boxModeWords();

} // namespace veltrane
