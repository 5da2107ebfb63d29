#pragma once

#include <QString>
#include <QTextStream>

namespace veltrane {

// A text as one line: control characters (a Linux file name may hold a line
// end) shown as \n, \r, \t or \xNN, so that scripts reading the output line
// by line see one line per message.
QString oneLine(const QString &text);

// Writes "veltrane-batch: TEXT" as one line of the error output.
void diagnose(QTextStream &err, const QString &text);

} // namespace veltrane
