#include "ui/AccessibleNames.h"

#include "ui/FileGrid.h"
#include "ui/FileList.h"
#include "ui/MainWindowForm.h"
#include "ui/WindowText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <utility>

namespace veltrane {

void nameForAssistiveTechnology(const MainWindowForm &f) {
  const std::pair<QWidget *, const char *> names[] = {
      {f.fileList->grid()->surface(), QT_TRANSLATE_NOOP("MainWindow", "Pictures to resize")},
      {f.addFiles, QT_TRANSLATE_NOOP("MainWindow", "Add pictures")},
      {f.removeFiles, QT_TRANSLATE_NOOP("MainWindow", "Remove pictures")},
      {f.clearAll, QT_TRANSLATE_NOOP("MainWindow", "Clear the list")},
      {f.presets, QT_TRANSLATE_NOOP("MainWindow", "Preset")},
      {f.addPreset, QT_TRANSLATE_NOOP("MainWindow", "Add preset")},
      {f.removePreset, QT_TRANSLATE_NOOP("MainWindow", "Remove preset")},
      {f.maxWidth, QT_TRANSLATE_NOOP("MainWindow", "Maximum width")},
      {f.maxHeight, QT_TRANSLATE_NOOP("MainWindow", "Maximum height")},
      {f.boxMode, QT_TRANSLATE_NOOP("MainWindow", "How pictures meet both limits")},
      {f.fixedQuality, QT_TRANSLATE_NOOP("MainWindow", "Fixed quality in percent")},
      {f.sizeLimitKb, QT_TRANSLATE_NOOP("MainWindow", "File size limit in kB")},
      {f.outputFormat, QT_TRANSLATE_NOOP("MainWindow", "Output format")},
      {f.suffixTemplate, QT_TRANSLATE_NOOP("MainWindow", "Name extension")},
      {f.frame, QT_TRANSLATE_NOOP("MainWindow", "Frame")},
      {f.sheetMode, QT_TRANSLATE_NOOP("MainWindow", "Index sheets")},
      {f.sheetColumns, QT_TRANSLATE_NOOP("MainWindow", "Pictures across an index sheet")},
      {f.sheetRows, QT_TRANSLATE_NOOP("MainWindow", "Pictures down an index sheet")},
      {f.outputFolder, QT_TRANSLATE_NOOP("MainWindow", "Save to folder")},
      {f.browse, QT_TRANSLATE_NOOP("MainWindow", "Choose the folder to save to")},
      {f.helpPanel, QT_TRANSLATE_NOOP("MainWindow", "Help")},
      {f.helpButton, QT_TRANSLATE_NOOP("MainWindow", "Help")},
      {f.settingsButton, QT_TRANSLATE_NOOP("MainWindow", "Settings")},
      {f.homePageLink, QT_TRANSLATE_NOOP("MainWindow", "Veltrane's homepage")},
      {f.goButton, QT_TRANSLATE_NOOP("MainWindow", "Go: start or stop resizing")},
      {f.exitButton, QT_TRANSLATE_NOOP("MainWindow", "Exit")},
      {f.minimizeButton, QT_TRANSLATE_NOOP("MainWindow", "Minimize")},
  };
  for (const auto &[widget, name] : names)
    if (widget)
      widget->setAccessibleName(MainWindowText::tr(name));
  // Check boxes and radio buttons say their own captions; every control
  // with a tooltip describes itself with it.
  const QWidget *window = f.addFiles ? f.addFiles->window() : nullptr;
  if (!window)
    return;
  for (QWidget *widget : window->findChildren<QWidget *>())
    if (!widget->toolTip().isEmpty() && widget->accessibleDescription().isEmpty())
      widget->setAccessibleDescription(widget->toolTip());
}

} // namespace veltrane
