#pragma once

#include <QtGlobal>
#include <condition_variable>
#include <mutex>

namespace veltrane {

// Bytes that decodes running at the same time may hold between them. A
// progressive JPEG keeps all its coefficients in memory (about 60 MB for 20
// megapixels), so two at once on two cores would double the peak; with a
// budget the second waits. A reservation larger than the whole budget still
// goes ahead when nothing else is held, so no picture waits for ever, and a
// small one (an eighth of the budget at most: a baseline JPEG's pixels) never
// waits, so ordinary pictures go on beside a big one.
class MemoryBudget {
public:
  explicit MemoryBudget(qint64 bytes) : m_capacity(bytes) {}

  class Reservation {
  public:
    Reservation() = default;
    Reservation(MemoryBudget *budget, qint64 bytes) : m_budget(budget), m_bytes(bytes) {}
    Reservation(Reservation &&other) noexcept : m_budget(other.m_budget), m_bytes(other.m_bytes) {
      other.m_budget = nullptr;
    }
    Reservation &operator=(Reservation &&) = delete;
    ~Reservation() {
      if (m_budget)
        m_budget->release(m_bytes);
    }

  private:
    MemoryBudget *m_budget = nullptr;
    qint64 m_bytes = 0;
  };

  // Waits until the bytes fit (or nothing else is held), then holds them
  // until the reservation ends.
  Reservation reserve(qint64 bytes) {
    std::unique_lock lock(m_mutex);
    m_freed.wait(lock,
                 [&] { return m_held == 0 || m_held + bytes <= m_capacity || bytes <= m_capacity / 8; });
    m_held += bytes;
    return Reservation(this, bytes);
  }

  qint64 held() const {
    std::lock_guard lock(m_mutex);
    return m_held;
  }

private:
  void release(qint64 bytes) {
    {
      std::lock_guard lock(m_mutex);
      m_held -= bytes;
    }
    m_freed.notify_all();
  }

  const qint64 m_capacity;
  qint64 m_held = 0;
  mutable std::mutex m_mutex;
  std::condition_variable m_freed;
};

} // namespace veltrane
