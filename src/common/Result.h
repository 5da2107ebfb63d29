#pragma once

#include <QString>
#include <optional>
#include <utility>

namespace veltrane {

// Why an operation failed, in words a user can be shown as they are
// ("No space left on device", "damaged BMP data").
struct Failure {
  QString reason;
};

inline Failure failure(QString reason) { return Failure{std::move(reason)}; }

// What every operation that can fail gives back: its value, or the reason it
// failed. The program's one error style; exceptions stay inside libjpeg's
// boundary.
template <typename T = void> class [[nodiscard]] Result {
public:
  Result(T value) : m_value(std::move(value)) {}
  Result(Failure failed) : m_reason(std::move(failed.reason)) {}

  bool ok() const { return m_value.has_value(); }
  explicit operator bool() const { return ok(); }
  const QString &reason() const { return m_reason; }

  T &value() { return *m_value; }
  const T &value() const { return *m_value; }
  T &operator*() { return *m_value; }
  const T &operator*() const { return *m_value; }
  T *operator->() { return &*m_value; }
  const T *operator->() const { return &*m_value; }

private:
  std::optional<T> m_value;
  QString m_reason;
};

template <> class [[nodiscard]] Result<void> {
public:
  Result() = default;
  Result(Failure failed) : m_failed(true), m_reason(std::move(failed.reason)) {}

  bool ok() const { return !m_failed; }
  explicit operator bool() const { return ok(); }
  const QString &reason() const { return m_reason; }

private:
  bool m_failed = false;
  QString m_reason;
};

} // namespace veltrane
