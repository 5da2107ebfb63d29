#pragma once

// Lets GoogleTest print Qt values as text in failure messages.
#include <QByteArray>
#include <QSize>
#include <QString>
#include <QStringList>
#include <ostream>

inline void PrintTo(const QString &text, std::ostream *os) { *os << '"' << text.toStdString() << '"'; }
inline void PrintTo(const QByteArray &bytes, std::ostream *os) { *os << '"' << bytes.toStdString() << '"'; }
inline void PrintTo(const QStringList &list, std::ostream *os) {
  *os << '{';
  for (const QString &s : list)
    *os << " \"" << s.toStdString() << '"';
  *os << " }";
}
inline void PrintTo(const QSize &size, std::ostream *os) { *os << size.width() << 'x' << size.height(); }
