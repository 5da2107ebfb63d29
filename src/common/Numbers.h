#pragma once

#include <QString>
#include <optional>

// The number readers every part of the program shares, so that a size box, a
// preset field and a settings-file field all read "85%" or " 12abc" the same way.
namespace veltrane {

// Leading-number reader: skips leading spaces, reads an optional sign, digits
// and at most one decimal point up to the first other character. No digits
// give 0 ("85%" -> 85, " 12.5x" -> 12.5, "abc" -> 0).
double leadingNumber(const QString &text);

// Rounds to the nearest integer, halves to even (2.5 -> 2, 3.5 -> 4).
double roundHalfEven(double value);

// Strict conversions of the whole text: decimal, surrounding spaces allowed,
// a fraction rounded half to even; empty, non-numeric or out-of-range text
// gives nothing.
std::optional<qint16> strictInt16(const QString &text);
std::optional<qint32> strictInt32(const QString &text);

// leadingNumber rounded half to even and clamped into 32 bits.
qint32 roundedInt32(const QString &text);

// Shortest decimal text that reads back to the same value ("85", "85.5").
QString formatNumber(double value);
QString formatNumber(float value);

} // namespace veltrane
