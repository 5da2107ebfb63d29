#include "ui/MenuEntryBoxes.h"
#include "ui/WindowText.h"

#include "platform/Prompts.h"

#include <QCheckBox>
#include <QSignalBlocker>

namespace veltrane {

MenuEntryBoxes::MenuEntryBoxes(FileManagerMenu menu, QCheckBox *jpeg, QCheckBox *bmpGif, Prompts &prompts,
                               QObject *parent)
    : QObject(parent), m_menu(std::move(menu)), m_jpeg(jpeg), m_bmpGif(bmpGif), m_prompts(prompts) {
  connect(m_jpeg, &QCheckBox::toggled, this, [this] { changed(m_jpeg, PictureKinds::Jpeg); });
  connect(m_bmpGif, &QCheckBox::toggled, this, [this] { changed(m_bmpGif, PictureKinds::BmpAndGif); });
}

void MenuEntryBoxes::mirrorInstalled(bool firstStart) {
  m_bmpGif->setChecked(m_menu.isInstalled(PictureKinds::BmpAndGif));
  m_jpeg->setChecked(m_menu.isInstalled(PictureKinds::Jpeg));
  // Only file managers that are there get entries: with none, nothing is
  // written and the boxes stay clear until one is installed and a box ticked.
  if (firstStart && m_menu.anyFileManager()) {
    m_bmpGif->setChecked(true);
    m_jpeg->setChecked(true);
  }
}

void MenuEntryBoxes::changed(QCheckBox *box, PictureKinds kinds) {
  const Result<> done = box->isChecked() ? m_menu.install(kinds) : m_menu.remove(kinds);
  if (done)
    return;
  {
    const QSignalBlocker quiet(box);
    box->setChecked(m_menu.isInstalled(kinds));
  }
  if (m_toldOnce)
    return;
  m_toldOnce = true;
  m_prompts.ask(
      {MainWindowText::tr("File manager menu"),
       MainWindowText::tr("The file managers' menu entries could not all be written:\r\n\r\n") + done.reason(),
       PromptIcon::Exclamation, PromptButtons::Ok, PromptAnswer::Ok});
}

} // namespace veltrane
