#include "ui/AccessibleNames.h"

#include "ui/FileGrid.h"
#include "ui/FileList.h"
#include "ui/MainWindowForm.h"

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
      {f.fileList->grid()->surface(), "Pictures to resize"},
      {f.addFiles, "Add pictures"},
      {f.removeFiles, "Remove pictures"},
      {f.clearAll, "Clear the list"},
      {f.presets, "Preset"},
      {f.addPreset, "Add preset"},
      {f.removePreset, "Remove preset"},
      {f.maxWidth, "Maximum width"},
      {f.maxHeight, "Maximum height"},
      {f.boxMode, "How pictures meet both limits"},
      {f.fixedQuality, "Fixed quality in percent"},
      {f.sizeLimitKb, "File size limit in kB"},
      {f.outputFormat, "Output format"},
      {f.suffixTemplate, "Name extension"},
      {f.frame, "Frame"},
      {f.sheetMode, "Index sheets"},
      {f.sheetColumns, "Pictures across an index sheet"},
      {f.sheetRows, "Pictures down an index sheet"},
      {f.outputFolder, "Save to folder"},
      {f.browse, "Choose the folder to save to"},
      {f.helpPanel, "Help"},
      {f.helpButton, "Help"},
      {f.settingsButton, "Settings"},
      {f.homePageLink, "Veltrane's homepage"},
      {f.goButton, "Go: start or stop resizing"},
      {f.exitButton, "Exit"},
      {f.minimizeButton, "Minimize"},
  };
  for (const auto &[widget, name] : names)
    if (widget)
      widget->setAccessibleName(QString::fromUtf8(name));
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
