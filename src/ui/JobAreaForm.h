#pragma once

#include <QRect>

class QWidget;

namespace veltrane {

struct MainWindowForm;

// Builds the preset row and the job controls below it into `area` of the
// window: the sizes and the way of meeting them, the quality and format,
// the frame, the index sheets and the name suffix.
void buildJobArea(QWidget *window, MainWindowForm &form, const QRect &area);

} // namespace veltrane
