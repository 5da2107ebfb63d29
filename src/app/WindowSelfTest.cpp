#include "app/WindowSelfTest.h"

#include "platform/Prompts.h"
#include "ui/MainWindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLineEdit>
#include <QPushButton>
#include <QTextStream>
#include <QTimer>
#include <QWindow>

namespace veltrane {
namespace {

// A compositor shows a window once it has configured it, not at show(); a
// window shown again may yet be taken off first.
bool waitUntilShown(QWidget &widget) {
  const auto exposed = [&] { return widget.windowHandle() && widget.windowHandle()->isExposed(); };
  QElapsedTimer clock;
  clock.start();
  while (clock.elapsed() < 10000) {
    QApplication::processEvents(QEventLoop::AllEvents, 50);
    if (exposed()) {
      QApplication::processEvents();
      if (exposed())
        return true;
    }
  }
  return false;
}

} // namespace

bool saveWindowPicture(QWidget &widget, const QString &path) {
  if (widget.grab().save(path))
    return true;
  QTextStream(stderr) << "veltrane: cannot save " << path << "\n";
  return false;
}

bool runSelfTest(MainWindow &window, const QString &folder, const ScriptedPrompts &prompts) {
  QTextStream errors(stderr);
  bool passed = QDir().mkpath(folder);
  const bool plain = window.programSettings().plainMode;
  for (const bool shaped : {!plain, plain}) {
    if (!waitUntilShown(window)) {
      errors << "veltrane: the window was not shown\n";
      window.exitProgram();
      return false;
    }
    passed &= saveWindowPicture(window, QDir(folder).filePath(shaped ? QStringLiteral("shaped-window.png")
                                                                     : QStringLiteral("plain-window.png")));
    window.toggleWindowShape();
  }

  const MainWindowForm &form = window.form();
  form.outputFolder->setText(QDir(folder).filePath(QStringLiteral("resized")));
  form.sameFolder->setChecked(false);
  if (!form.goButton->isEnabled()) {
    errors << "veltrane: no pictures to resize\n";
    passed = false;
  } else {
    QEventLoop batch;
    QObject::connect(&window, &MainWindow::batchFinished, &batch, &QEventLoop::quit);
    QTimer::singleShot(0, form.goButton, &QPushButton::click);
    batch.exec();
  }
  for (const Prompt &prompt : prompts.shown()) {
    errors << "veltrane: " << prompt.title << ": " << prompt.text << "\n";
    passed = false;
  }
  window.exitProgram();
  return passed;
}

} // namespace veltrane
