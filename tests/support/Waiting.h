#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>

namespace veltrane::test {

// Runs the event loop until `done` holds, for at most ten seconds.
template <typename Done> bool waitFor(Done done) {
  QElapsedTimer clock;
  clock.start();
  while (!done() && clock.elapsed() < 10000)
    QCoreApplication::processEvents();
  return done();
}

} // namespace veltrane::test
