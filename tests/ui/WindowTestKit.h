#pragma once

// Everything the ui tests use, in one place.
#include "FaultFolders.h"
#include "TempFolder.h"
#include "TestPictures.h"
#include "Waiting.h"
#include "filelist/GridGeometry.h"
#include "filelist/SourceFiles.h"
#include "imaging/PicturePreparer.h"
#include "platform/PlatformServices.h"
#include "presets/FrameList.h"
#include "presets/JobFields.h"
#include "storage/SettingsFallback.h"
#include "ui/FileGrid.h"
#include "ui/FileList.h"
#include "ui/JobControls.h"
#include "ui/JobSync.h"
#include "ui/MainWindow.h"
#include "ui/MenuEntryBoxes.h"
#include "ui/PresetControls.h"
#include "ui/PreviewController.h"
#include "ui/PreviewPainting.h"
#include "ui/PreviewWindow.h"
#include "ui/SettingsWindow.h"
#include "ui/SizeChangeHandler.h"
#include "ui/SkinOutline.h"
#include "ui/SourceBox.h"
#include "ui/Translucency.h"
#include "ui/WindowCommandLine.h"

#include <QAbstractScrollArea>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>
#include <QToolButton>
#include <QUrl>
#include <QWindow>
#include <csignal>
#include <functional>
#include <gtest/gtest.h>
#include <iostream>
#include <memory>

namespace veltrane::test {

// A pointer move over a widget with the given buttons held; QTest moves the
// real pointer instead when no button is held.
inline void movePointer(QWidget *widget, QPoint pos, Qt::MouseButtons buttons = Qt::NoButton) {
  QMouseEvent event(QEvent::MouseMove, QPointF(pos), QPointF(widget->mapToGlobal(pos)), Qt::NoButton, buttons,
                    Qt::NoModifier);
  QApplication::sendEvent(widget, &event);
}

// The middle of a cell of the grid (column 1 the marks, 2 the names) as it is scrolled now.
inline QPoint cellCentre(const FileGrid &grid, const SourceList &table, int row, int column) {
  const int height = grid.state().rowHeight;
  return {GridColumns::fromTable(table, 3).left(column) + 6,
          rowTop(row, height, grid.verticalBar()->value()) + height / 2};
}
inline void clickCell(FileGrid &grid, const SourceList &table, int row, int column) {
  QTest::mouseClick(grid.surface(), Qt::LeftButton, {}, cellCentre(grid, table, row, column));
}

// A main window over a program folder of its own, with scripted prompts and
// dialogs and a launcher that only records.
class WindowTest : public ::testing::Test {
protected:
  MainWindow &start(const QStringList &pictures = {}) {
    window.reset();
    platform = headlessPlatform();
    platform.screen = std::make_unique<FixedScreen>(screenSize, screenRatio, windowPlacesKnown);
    prompts = static_cast<ScriptedPrompts *>(platform.prompts.get());
    dialogs = static_cast<ScriptedDialogs *>(platform.dialogs.get());
    launcher = static_cast<RecordingLauncher *>(platform.launcher.get());
    notifier = static_cast<RecordingNotifier *>(platform.notifier.get());
    window = std::make_unique<MainWindow>(
        ProgramFolder::portable(program.path(), ProgramFolder::userLocations({})), platform, pictures);
    return *window;
  }

  // Ends the program as the exit button does, and starts it again.
  MainWindow &restart() {
    window->exitProgram();
    return start();
  }

  template <typename Control = QWidget> Control *control(const char *name) const {
    auto *found = window->findChild<Control *>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
  }
  QCheckBox *box(const char *name) const { return control<QCheckBox>(name); }
  template <typename Control = QCheckBox> Control *setting(const char *name) const {
    auto *found = window->settingsWindow().findChild<Control *>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
  }
  // The named controls for which `test` holds.
  QStringList where(std::initializer_list<const char *> names, bool (QWidget::*test)() const) const {
    QStringList found;
    for (const char *name : names)
      if ((control(name)->*test)())
        found.append(name);
    return found;
  }

  // The settings file as the last shut-down wrote it.
  QStringList savedLines() const { return QString::fromUtf8(program.read("Veltrane.INI")).split("\r\n"); }

  bool waitForBatchEnd() {
    QSignalSpy finished(window.get(), &MainWindow::batchFinished);
    return finished.wait(30000);
  }
  // The last prompt's title, or empty.
  QString lastTitle() const { return prompts->shown().isEmpty() ? QString() : prompts->shown().last().title; }

  TempFolder program;
  // The screen the window is started on: its size in pixels, and its device pixels per pixel.
  QSize screenSize{1920, 1080};
  qreal screenRatio = 1;
  bool windowPlacesKnown = true; // false as under Wayland
  PlatformServices platform;
  ScriptedPrompts *prompts = nullptr;
  ScriptedDialogs *dialogs = nullptr;
  RecordingLauncher *launcher = nullptr;
  RecordingNotifier *notifier = nullptr;
  std::unique_ptr<MainWindow> window;
};

} // namespace veltrane::test

using namespace veltrane;
using namespace veltrane::test;
