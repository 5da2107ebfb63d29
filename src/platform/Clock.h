#pragma once

#include <QDateTime>

namespace veltrane {

class Clock {
public:
  virtual ~Clock() = default;
  virtual QDateTime now() const = 0;
};

class SystemClock : public Clock {
public:
  QDateTime now() const override { return QDateTime::currentDateTime(); }
};

class FixedClock : public Clock {
public:
  explicit FixedClock(QDateTime now) : m_now(std::move(now)) {}
  QDateTime now() const override { return m_now; }
  void advanceMs(qint64 ms) { m_now = m_now.addMSecs(ms); }

private:
  QDateTime m_now;
};

} // namespace veltrane
