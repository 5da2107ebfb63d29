#pragma once

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QString>
#include <QWidget>

namespace veltrane::formparts {

// The small makers the window's form is built from: each control named as
// the program refers to it (and as tests find it), with its tooltip.
template <typename Widget> Widget *named(Widget *widget, const char *name, const QString &tooltip = {}) {
  widget->setObjectName(QString::fromLatin1(name));
  if (!tooltip.isEmpty())
    widget->setToolTip(tooltip);
  return widget;
}

inline QCheckBox *checkBox(QWidget *parent, const char *name, const QString &caption,
                           const QString &tooltip = {}) {
  return named(new QCheckBox(caption, parent), name, tooltip);
}

inline QLabel *label(QWidget *parent, const char *name, const QString &caption) {
  return named(new QLabel(caption, parent), name);
}

// A framed group of related controls. Their captions say what they are, so
// the frames carry no titles: the client area has no height to spare.
inline QGroupBox *group(QWidget *parent) { return new QGroupBox(parent); }

template <typename Layout> Layout *tight(Layout *layout, int spacing = 4) {
  layout->setContentsMargins(5, 4, 5, 4);
  layout->setSpacing(spacing);
  return layout;
}

} // namespace veltrane::formparts
