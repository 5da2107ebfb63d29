#pragma once

#include "shell/FileManagerMenu.h"

#include <QObject>

class QCheckBox;

namespace veltrane {

class Prompts;

// The window's two boxes for the file managers' "Resize/Resample" entries:
// each mirrors what is installed at the start, and a change of its value
// writes or removes its pair's entries. What cannot be written is told once,
// in words, and the box then shows what is really installed.
class MenuEntryBoxes : public QObject {
  Q_OBJECT
public:
  MenuEntryBoxes(FileManagerMenu menu, QCheckBox *jpeg, QCheckBox *bmpGif, Prompts &prompts,
                 QObject *parent = nullptr);

  // The start: the boxes take what is installed; on a first start both are
  // then ticked, which installs the entries.
  void mirrorInstalled(bool firstStart);
  const FileManagerMenu &menu() const { return m_menu; }

private:
  void changed(QCheckBox *box, PictureKinds kinds);

  FileManagerMenu m_menu;
  QCheckBox *m_jpeg;
  QCheckBox *m_bmpGif;
  Prompts &m_prompts;
  bool m_toldOnce = false;
};

} // namespace veltrane
