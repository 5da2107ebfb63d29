#pragma once

#include <QStringList>
#include <chrono>
#include <vector>

namespace veltrane {

// Where one worker's time went, for finding what holds a batch back.
struct WorkerTimes {
  std::chrono::nanoseconds decoding{};         // reading and decoding sources
  std::chrono::nanoseconds preparing{};        // scaling, colours, frames
  std::chrono::nanoseconds encoding{};         // encoding, and reading the metadata carried over
  std::chrono::nanoseconds waitingForMemory{}; // for the memory budget to let a picture begin
  std::chrono::nanoseconds waitingForWork{};   // for a picture to begin: the batch is ahead, or done
  int pictures = 0;
};

// Where a batch's time went: its workers' and the thread that writes the
// pictures in order.
struct BatchTimes {
  std::vector<WorkerTimes> workers;
  std::chrono::nanoseconds writing{};           // writing files and index sheets
  std::chrono::nanoseconds waitingForPicture{}; // for the next picture in order to be done
  std::chrono::nanoseconds whole{};
};

// A table of the times in milliseconds, a line per worker and one for the writing.
QStringList timeTableLines(const BatchTimes &times);

} // namespace veltrane
