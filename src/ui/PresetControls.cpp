#include "ui/PresetControls.h"

#include "platform/Prompts.h"
#include "presets/BuiltInPresets.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QValidator>

namespace veltrane {
namespace {

// The typed text is the name of a preset to come. The box would otherwise
// pick an entry of that name when the user leaves it, and so apply it over
// the job the user is about to save.
class NameBeingTyped : public QValidator {
public:
  using QValidator::QValidator;
  State validate(QString &, int &) const override { return Intermediate; }
};

} // namespace

PresetControls::PresetControls(QComboBox *box, QAbstractButton *add, QAbstractButton *remove,
                               Prompts &prompts, std::function<QString()> currentBody, QObject *parent)
    : QObject(parent), m_box(box), m_prompts(prompts), m_currentBody(std::move(currentBody)) {
  m_box->setValidator(new NameBeingTyped(m_box));
  connect(m_box, &QComboBox::currentIndexChanged, this, [this](int entry) {
    if (!m_filling)
      picked(entry);
  });
  connect(add, &QAbstractButton::clicked, this, &PresetControls::saveAsPreset);
  connect(remove, &QAbstractButton::clicked, this, &PresetControls::RemovePreset_click);
}

void PresetControls::setStore(PresetStore store) {
  m_store = std::move(store);
  m_filling = true;
  m_box->clear();
  for (const QString &name : m_store.names())
    m_box->addItem(shownPresetName(name));
  m_box->setCurrentIndex(-1);
  m_filling = false;
}

int PresetControls::selected() const { return m_box->currentIndex(); }

void PresetControls::select(int entry) {
  if (m_box->currentIndex() != entry) {
    m_box->setCurrentIndex(entry);
    return;
  }
  // Selected already: show its name again and apply it all the same.
  m_box->setEditText(entry >= 0 ? m_box->itemText(entry) : QString());
  picked(entry);
}

void PresetControls::picked(int entry) {
  if (entry >= 0 && entry < m_store.count())
    emit applyPreset(m_store.line(entry));
}

void PresetControls::saveAsPreset() {
  // A built-in preset's shown name stands for its stored one, so that the
  // store sees the name it already holds.
  QString name = m_box->currentText();
  for (const QString &stored : m_store.names())
    if (shownPresetName(stored) == name)
      name = stored;
  PresetStore::AddOutcome outcome = m_store.add(name, m_currentBody());
  if (outcome.message)
    m_prompts.ask(*outcome.message);
  if (outcome.select >= 0)
    select(outcome.select);
  if (!outcome.added)
    return;
  // The new entry goes at the end; the selection and the typed name stay.
  m_filling = true;
  const int current = m_box->currentIndex();
  m_box->addItem(shownPresetName(name));
  m_box->setCurrentIndex(current);
  m_box->setEditText(shownPresetName(name));
  m_filling = false;
}

void PresetControls::RemovePreset_click() {
  const int entry = m_box->currentIndex();
  const std::optional<Prompt> question = m_store.removeQuestion(entry);
  if (!question || m_prompts.ask(*question) != PromptAnswer::Yes)
    return;
  const int next = m_store.remove(entry);
  m_filling = true;
  m_box->removeItem(entry);
  m_filling = false;
  if (next < 0) {
    m_filling = true;
    m_box->setCurrentIndex(-1);
    m_box->setEditText(QString());
    m_filling = false;
    return;
  }
  select(next);
}

} // namespace veltrane
