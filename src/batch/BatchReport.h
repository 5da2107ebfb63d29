#pragma once

#include "batch/BatchTimes.h"
#include "common/FailedFiles.h"
#include "platform/Prompts.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace veltrane {

// What a batch did.
struct BatchReport {
  QString startError;     // the batch could not start; nothing was written
  QString outputFolder;   // where the pictures went (empty with "same folder")
  int written = 0;        // resized pictures (the observer hears their names)
  QStringList sheets;     // index sheets
  FailedFiles unreadable; // sources that could not be read or prepared, with reasons
  FailedFiles unwritten;  // outputs that could not be written, with reasons
  FailedFiles refused;    // sources read, but the job asks a size no picture can have, with reasons
  FailedFiles madeToFit;  // outputs written smaller, or without metadata, to fit the size limit: what changed
  FailedFiles photoNotes; // outputs written without some of their source's colours or metadata: why
  int locationsRemoved = 0; // outputs whose source told where it was taken, written without it
  int skipped = 0;          // pictures not begun because of a stop
  int alreadyThere = 0;     // left out because their output existed (skipExisting); not a failure
  int iptcLeftOut = 0;      // outputs in formats that cannot carry their source's IPTC
  int firstFramesOnly = 0;  // animated sources, of which the first frame was written
  int outOfProportion = 0;  // outputs stretched to both limits by more than 1% out of proportion
  bool stopped = false;
  BatchTimes times; // where the time went

  bool started() const { return startError.isEmpty(); }
  bool allWritten() const {
    return started() && unreadable.isEmpty() && unwritten.isEmpty() && refused.isEmpty() && skipped == 0;
  }
};

// What the batch wants said once, not per picture: what the formats left
// out and what of the sources was not used. Empty when there is nothing.
QStringList batchNotes(const BatchReport &report);

// The message boxes that end a batch: the files it could not read, could not
// resize as the job asks, and could not write.
QList<Prompt> batchReportPrompts(const BatchReport &report);

} // namespace veltrane
