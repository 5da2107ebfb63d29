#pragma once

#include <QString>
#include <QtGlobal>
#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <limits>
#include <mutex>

namespace veltrane {

// Bytes that pictures prepared at the same time may hold between them: the
// decoder's memory, the decoded picture and every full-size copy made of it.
// A reservation waits until it fits. One larger than the whole budget runs
// alone: it waits until nothing else is held, and nothing else begins while
// it waits or runs, so a few small files that decode to gigabytes take their
// turns instead of adding up. A small one (an eighth of the budget at most:
// an ordinary photo decoded for an ordinary size) may pass a quarter beyond
// the budget, so ordinary pictures go on beside a big one that fits. Either
// way the total stays bounded, whatever the number of threads. One larger
// than `mostForOne` (what the machine can give at all) is refused rather
// than left to the kernel's out-of-memory killer.
class MemoryBudget {
public:
  explicit MemoryBudget(qint64 bytes, qint64 mostForOne = std::numeric_limits<qint64>::max())
      : m_capacity(bytes), m_mostForOne(mostForOne) {}
  MemoryBudget(const MemoryBudget &) = delete;
  MemoryBudget &operator=(const MemoryBudget &) = delete;

  class Reservation {
  public:
    Reservation() = default;
    Reservation(Reservation &&other) noexcept
        : m_budget(other.m_budget), m_bytes(other.m_bytes), m_waited(other.m_waited),
          m_refusal(std::move(other.m_refusal)) {
      other.m_budget = nullptr;
    }
    Reservation &operator=(Reservation &&other) noexcept {
      if (this != &other) {
        end();
        m_budget = other.m_budget;
        m_bytes = other.m_bytes;
        m_waited = other.m_waited;
        m_refusal = std::move(other.m_refusal);
        other.m_budget = nullptr;
      }
      return *this;
    }
    Reservation(const Reservation &) = delete;
    Reservation &operator=(const Reservation &) = delete;
    ~Reservation() { end(); }

    qint64 bytes() const { return m_budget ? m_bytes : 0; }
    // Why nothing was reserved ("needs 900 MB, 600 MB available"); empty
    // when it was.
    const QString &refusal() const { return m_refusal; }
    // How long the reservation waited for its turn.
    std::chrono::nanoseconds waited() const { return m_waited; }
    // Gives back what the holder no longer needs, once its big buffers are freed.
    void shrinkTo(qint64 bytes) {
      if (m_budget && bytes < m_bytes) {
        m_budget->shrink(m_bytes, std::max<qint64>(bytes, 0));
        m_bytes = std::max<qint64>(bytes, 0);
      }
    }

  private:
    friend class MemoryBudget;
    Reservation(MemoryBudget *budget, qint64 bytes, std::chrono::nanoseconds waited)
        : m_budget(budget), m_bytes(bytes), m_waited(waited) {}
    explicit Reservation(QString refusal) : m_refusal(std::move(refusal)) {}
    void end() {
      if (m_budget)
        m_budget->release(m_bytes);
      m_budget = nullptr;
    }

    MemoryBudget *m_budget = nullptr;
    qint64 m_bytes = 0;
    std::chrono::nanoseconds m_waited{};
    QString m_refusal;
  };

  // Waits until the bytes may be held, then holds them until the
  // reservation ends; refuses more than `mostForOne` at once.
  Reservation reserve(qint64 bytes) {
    bytes = std::max<qint64>(bytes, 0);
    if (bytes > m_mostForOne) {
      constexpr qint64 kMB = 1024 * 1024;
      return Reservation(QStringLiteral("needs %1 MB, %2 MB available")
                             .arg((bytes + kMB - 1) / kMB)
                             .arg(m_mostForOne / kMB));
    }
    const bool alone = bytes > m_capacity;
    const auto start = std::chrono::steady_clock::now();
    std::unique_lock lock(m_mutex);
    ++m_waiting;
    m_waitingAlone += alone;
    m_changed.wait(lock, [&] { return mayBegin(bytes, alone); });
    --m_waiting;
    m_waitingAlone -= alone;
    m_held += bytes;
    m_aloneHeld = alone;
    return Reservation(this, bytes, std::chrono::steady_clock::now() - start);
  }

  qint64 capacity() const { return m_capacity; }
  qint64 mostForOne() const { return m_mostForOne; }
  qint64 held() const {
    std::lock_guard lock(m_mutex);
    return m_held;
  }
  // Reservations waiting for their turn.
  int waiting() const {
    std::lock_guard lock(m_mutex);
    return m_waiting;
  }

private:
  bool mayBegin(qint64 bytes, bool alone) const {
    if (m_aloneHeld)
      return false;
    if (alone)
      return m_held == 0;
    if (m_waitingAlone > 0)
      return false; // let the held ones drain, or the big one might wait for ever
    return m_held + bytes <= m_capacity || (bytes <= m_capacity / 8 && m_held + bytes <= m_capacity / 4 * 5);
  }

  void release(qint64 bytes) { shrink(bytes, 0); }
  void shrink(qint64 from, qint64 to) {
    {
      std::lock_guard lock(m_mutex);
      m_held -= from - to;
      if (from > m_capacity && to <= m_capacity)
        m_aloneHeld = false; // the one that ran alone no longer needs to
    }
    m_changed.notify_all();
  }

  const qint64 m_capacity;
  const qint64 m_mostForOne;
  qint64 m_held = 0;
  int m_waiting = 0;
  int m_waitingAlone = 0;
  bool m_aloneHeld = false;
  mutable std::mutex m_mutex;
  std::condition_variable m_changed;
};

} // namespace veltrane
