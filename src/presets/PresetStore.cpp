#include "presets/PresetStore.h"
#include "common/MessageText.h"

#include "presets/BuiltInPresets.h"
#include "presets/PresetLine.h"

namespace veltrane {
namespace {

QString addTitle() { return MessageText::tr("Add preset"); }

Prompt exclamation(const QString &title, const QString &text) {
  return {title, text, PromptIcon::Exclamation, PromptButtons::Ok, PromptAnswer::Ok};
}

} // namespace

PresetStore PresetStore::builtIns() {
  PresetStore store;
  store.m_lines = builtInPresetLines();
  return store;
}

QStringList PresetStore::names() const {
  QStringList names;
  names.reserve(m_lines.size());
  for (const QString &line : m_lines)
    names.append(presetName(line));
  return names;
}

bool PresetStore::append(const QString &line) {
  if (isFull())
    return false;
  m_lines.append(line);
  return true;
}

PresetStore::AddOutcome PresetStore::add(const QString &name, const QString &body) {
  if (name.isEmpty())
    return {false, exclamation(addTitle(), MessageText::tr("Please enter a name to save this preset as.")), -1};

  // A name is read back up to its first "=", so such a name would not survive.
  if (name.contains(u'='))
    return {false,
            exclamation(addTitle(), MessageText::tr("A preset name cannot contain \"=\".\r\n\r\n"
                                                  "Please enter another name to save this preset as.")),
            -1};

  // Refuses a name that ends a stored name, so "res" is taken by " Low-res".
  const QString wanted = name.toLower() + u'\n';
  for (const QString &entry : names()) {
    if ((entry.toLower() + u'\n').contains(wanted))
      return {false,
              exclamation(addTitle(), MessageText::tr("A preset called \"%1\" already exists.\r\n\r\n"
                                                         "Please enter another name to save this preset as.")
                                          .arg(name)),
              -1};
  }

  for (int s = 0; s < count(); ++s) {
    if (presetBody(m_lines[s]).compare(body, Qt::CaseInsensitive) == 0)
      return {false,
              exclamation(MessageText::tr("This preset already exists."),
                          MessageText::tr("The current configuration has already been saved as preset \"%1\".")
                              .arg(shownPresetName(presetName(m_lines[s])))),
              s};
  }

  if (isFull())
    return {false,
            exclamation(addTitle(), MessageText::tr("The preset list is full: it holds %1 presets.\r\n\r\n"
                                                  "Please remove a preset before adding another.")
                                       .arg(kCapacity)),
            -1};

  m_lines.append(name + u'=' + body);
  return {true, std::nullopt, -1};
}

PresetStore PresetStore::merged(const PresetStore &loaded, const PresetStore &mine,
                                const PresetStore &saved) {
  if (saved == loaded)
    return mine;
  PresetStore result;
  for (const QString &line : saved.m_lines) {
    const bool removedHere = loaded.m_lines.contains(line) && !mine.m_lines.contains(line);
    if (!removedHere)
      result.append(line);
  }
  for (const QString &line : mine.m_lines) {
    const bool addedHere = !loaded.m_lines.contains(line);
    if (addedHere && !result.m_lines.contains(line))
      result.append(line);
  }
  return result;
}

std::optional<Prompt> PresetStore::removeQuestion(int entry) const {
  if (entry < 0 || entry >= count())
    return std::nullopt;
  return Prompt{MessageText::tr("Remove this preset?"),
                MessageText::tr("Are you sure to remove preset \"%1\"?").arg(shownPresetName(presetName(m_lines[entry]))),
                PromptIcon::Exclamation, PromptButtons::YesNo, PromptAnswer::No};
}

int PresetStore::remove(int entry) {
  if (entry < 0 || entry >= count())
    return -1;
  m_lines.removeAt(entry);
  if (entry > 0)
    return entry - 1;
  return m_lines.isEmpty() ? -1 : 0;
}

} // namespace veltrane
