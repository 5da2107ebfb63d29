#pragma once

#include "common/FailedFiles.h"
#include "filelist/FileAdder.h"

#include <QStringList>
#include <QWidget>

namespace veltrane {

class FileGrid;
class SourceList;
struct PlatformServices;

// The file list of the main window: the grid over the source list and the
// operations that fill and empty it. The window's Add, Remove and ClearAll
// buttons call addFromDialog, removeChosen and clearAll and follow the
// *EnabledChanged signals.
class FileList : public QWidget {
  Q_OBJECT
public:
  FileList(SourceList &table, PlatformServices &platform, QWidget *parent = nullptr);

  FileGrid *grid() const { return m_grid; }
  SourceList &table() const { return m_table; }
  int currentRow() const;
  bool isAdding() const { return m_adder.isBusy(); }

  bool goEnabled() const { return m_goEnabled; }
  bool removeEnabled() const { return m_removeEnabled; }
  bool clearAllEnabled() const { return m_clearAllEnabled; }

public slots:
  // Asks for files with the open dialog and adds them.
  void addFromDialog();
  // Removes the marked rows, or else the selected row.
  void removeChosen();
  // Empties the list and stops any adding under way.
  void clearAll();
  // Adds files named by full paths, as dropped on the grid, reporting the
  // ones refused.
  void addPaths(const QStringList &paths);
  // Adds a file the program was started with, at once: the whole text, in
  // double quotes or not. What is not a picture, folders included, waits
  // for reportCommandLineRefusals.
  void addCommandLine(const QString &commandLine);
  // Says which files the program was started with were left out, and why,
  // once the window is on the screen.
  void reportCommandLineRefusals();
  // Redraws after the list changed and sets the buttons' states to match it.
  void refreshGrid();

signals:
  void goEnabledChanged(bool enabled);
  void removeEnabledChanged(bool enabled);
  void clearAllEnabledChanged(bool enabled);
  // The selection moved by a click or a key (the preview follows it).
  void selectionChanged(int row);
  void currentRowChanged(int row);
  // The name of the file being added; an empty text when adding has ended.
  void processing(const QString &name);

private:
  void addingFinished(const AddReport &report);
  void updateButtons();
  void setRemoveEnabled(bool enabled);
  void clearSelection();

  SourceList &m_table;
  PlatformServices &m_platform;
  FileGrid *m_grid;
  FileAdder m_adder;
  QString m_lastFolder;
  FailedFiles m_commandLineRefused;
  bool m_goEnabled = false;
  bool m_removeEnabled = false;
  bool m_clearAllEnabled = false;
};

} // namespace veltrane
