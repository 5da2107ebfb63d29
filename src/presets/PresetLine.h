#pragma once

#include "presets/JobSettings.h"

#include <QStringList>

namespace veltrane {

// Returns the "|"-separated field of `line` starting at the 1-based position
// `pos` and moves `pos` past it; beyond the last field it returns "" and
// leaves `pos` alone.
QString nextField(const QString &line, qsizetype &pos);

// The preset body of a job: twelve fields joined by "|", no name.
QString toPreset(const JobSettings &job, const QStringList &frameEntries);

// Applies a preset line, with or without "name=" in front, to a job. A field
// that must be a whole number but is not, or a size that is neither a number
// of pixels, "screen" nor empty, leaves its field unchanged; the following
// fields still apply.
void fromPreset(JobSettings &job, const QString &line, const QStringList &frameEntries);
// The same for a body alone, which may hold "=" anywhere (a suffix "_q=85").
void applyPresetBody(JobSettings &job, const QString &body, const QStringList &frameEntries);

// The name of a stored preset line (text before its first "="), or the whole
// line when it has none; and its body (text after it, or the whole line).
QString presetName(const QString &line);
QString presetBody(const QString &line);

} // namespace veltrane
