#pragma once

#include <QList>
#include <QString>

namespace veltrane {

// A desktop notification about work the user may not be watching.
struct Notice {
  QString title;
  QString body;
  QString folder; // opened by the notice's action; none when empty
  bool operator==(const Notice &) const = default;
};

// Tells the desktop what the program is doing while its window is not in view:
// notifications, and progress on the program's icon in the task bar or dock.
class Notifier {
public:
  virtual ~Notifier() = default;
  virtual void notify(const Notice &notice) = 0;
  // fraction from 0 to 1; shown is false when no work is going on.
  virtual void showProgress(double fraction, bool shown) = 0;
};

// Tells nobody; remembers what it was asked to tell.
class RecordingNotifier : public Notifier {
public:
  struct Progress {
    double fraction;
    bool shown;
    bool operator==(const Progress &) const = default;
  };

  void notify(const Notice &notice) override { m_notices.append(notice); }
  void showProgress(double fraction, bool shown) override { m_progress.append({fraction, shown}); }

  const QList<Notice> &notices() const { return m_notices; }
  const QList<Progress> &progress() const { return m_progress; }

private:
  QList<Notice> m_notices;
  QList<Progress> m_progress;
};

} // namespace veltrane
