// veltrane-filelist-demo: the file list on its own, in a small window with
// the buttons that drive it. With --screenshot FILE it lists sample files,
// selects, marks and scrolls, saves a picture of the window and ends.
#include "filelist/SourceList.h"
#include "platform/widgets/DesktopPlatform.h"
#include "ui/FileGrid.h"
#include "ui/FileList.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>

using namespace veltrane;

namespace {

void listSamples(SourceList &table) {
  const QString folder = QStringLiteral("/home/anna/Pictures/Holiday 2023/Lisbon and the Atlantic coast/");
  for (int i = 1; i <= 30; ++i) {
    const QString name = i == 14 ? QStringLiteral("Sunset over the Tagus from the Miradouro de Santa Luzia, "
                                                  "taken with the long lens.jpg")
                                 : QStringLiteral("IMG_%1.JPG").arg(4100 + i * 7);
    table.addFile(folder, name);
  }
}

void stage(FileList &list) {
  SourceList &table = list.table();
  listSamples(table);
  list.refreshGrid();
  table.toggleMark(12);
  table.toggleMark(15);
  list.grid()->setCurrentRow(14);
  list.grid()->verticalBar()->setValue(list.grid()->verticalBar()->maximum() / 2 + 1);
}

} // namespace

int main(int argc, char **argv) {
  QApplication app(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("veltrane-filelist-demo"));
  QCommandLineParser parser;
  parser.addHelpOption();
  const QCommandLineOption screenshot(QStringLiteral("screenshot"),
                                      QStringLiteral("Lists sample files, saves a picture to FILE and ends."),
                                      QStringLiteral("FILE"));
  parser.addOption(screenshot);
  parser.addPositionalArgument(QStringLiteral("files"), QStringLiteral("Pictures to list."),
                               QStringLiteral("[FILE...]"));
  parser.process(app);

  PlatformServices platform = desktopPlatform();
  SourceList table;
  QWidget window;
  window.setWindowTitle(QStringLiteral("Veltrane file list"));
  auto *list = new FileList(table, platform, &window);
  auto *add = new QPushButton(QStringLiteral("Add"), &window);
  auto *remove = new QPushButton(QStringLiteral("Remove"), &window);
  auto *clearAll = new QPushButton(QStringLiteral("Clear all"), &window);
  auto *processing = new QLabel(&window);
  add->setObjectName(QStringLiteral("addFiles"));
  remove->setObjectName(QStringLiteral("removeFiles"));
  clearAll->setObjectName(QStringLiteral("clearAll"));
  processing->setObjectName(QStringLiteral("currentFile"));

  auto *buttons = new QHBoxLayout;
  buttons->addWidget(add);
  buttons->addWidget(remove);
  buttons->addWidget(clearAll);
  buttons->addWidget(processing, 1);
  auto *layout = new QVBoxLayout(&window);
  layout->addWidget(list, 1);
  layout->addLayout(buttons);

  QObject::connect(add, &QPushButton::clicked, list, &FileList::addFromDialog);
  QObject::connect(remove, &QPushButton::clicked, list, &FileList::removeChosen);
  QObject::connect(clearAll, &QPushButton::clicked, list, &FileList::clearAll);
  QObject::connect(list, &FileList::removeEnabledChanged, remove, &QWidget::setEnabled);
  QObject::connect(list, &FileList::clearAllEnabledChanged, clearAll, &QWidget::setEnabled);
  QObject::connect(list, &FileList::processing, processing, &QLabel::setText);
  remove->setEnabled(list->removeEnabled());
  clearAll->setEnabled(list->clearAllEnabled());

  list->addPaths(parser.positionalArguments());
  window.resize(640, 400);
  window.show();

  if (!parser.isSet(screenshot))
    return app.exec();

  stage(*list);
  const QString file = parser.value(screenshot);
  int status = 1;
  QTimer::singleShot(500, &window, [&] {
    status = window.grab().save(file) ? 0 : 1;
    app.quit();
  });
  app.exec();
  return status;
}
