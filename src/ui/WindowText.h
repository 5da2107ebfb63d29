#pragma once

#include <QCoreApplication>

namespace veltrane {

// Translation contexts of the windows' texts. The forms are built by free
// functions, so their texts name their window's context here.
struct MainWindowText {
  Q_DECLARE_TR_FUNCTIONS(MainWindow)
};
struct SettingsWindowText {
  Q_DECLARE_TR_FUNCTIONS(SettingsWindow)
};
struct PreviewWindowText {
  Q_DECLARE_TR_FUNCTIONS(PreviewWindow)
};

} // namespace veltrane
