#include "ui/CaptionFitting.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QVariant>
#include <algorithm>

namespace veltrane {
namespace {

constexpr QChar kVariantSeparator(0x9c);
// The caption with all its variants, kept so that fitting again starts over.
constexpr char kAllVariants[] = "veltraneLengthVariants";
constexpr char kOwnToolTip[] = "veltraneOwnToolTip";

QString captionOf(const QWidget &control) {
  if (const auto *label = qobject_cast<const QLabel *>(&control))
    return label->text();
  if (const auto *button = qobject_cast<const QAbstractButton *>(&control))
    return button->text();
  if (const auto *group = qobject_cast<const QGroupBox *>(&control))
    return group->title();
  return {};
}

void setCaption(QWidget &control, const QString &text) {
  if (auto *label = qobject_cast<QLabel *>(&control))
    label->setText(text);
  else if (auto *button = qobject_cast<QAbstractButton *>(&control))
    button->setText(text);
  else if (auto *group = qobject_cast<QGroupBox *>(&control))
    group->setTitle(text);
}

// Lays out what holds the control again, so its place follows its caption.
void settle(QWidget &control) {
  for (QWidget *holder = control.parentWidget(); holder; holder = holder->parentWidget())
    if (QLayout *layout = holder->layout())
      layout->activate();
}

QString withFullText(const QString &full, const QString &ownTip) {
  return ownTip.isEmpty() || ownTip == full ? full : full + u'\n' + ownTip;
}

// Fits one caption, trying its variants from the one shown now when
// `fromFull` is false; returns whether the caption changed.
bool fitControl(QWidget &control, bool fromFull) {
  QVariant kept = control.property(kAllVariants);
  if (!kept.isValid()) {
    const QString caption = captionOf(control);
    if (!caption.contains(kVariantSeparator))
      return false;
    kept = caption;
    control.setProperty(kAllVariants, caption);
    control.setProperty(kOwnToolTip, control.toolTip());
  }
  const QStringList variants = lengthVariants(kept.toString());
  const QString before = captionOf(control);
  qsizetype chosen = fromFull ? 0 : std::max<qsizetype>(0, variants.indexOf(before));
  for (; chosen < variants.size(); ++chosen) {
    setCaption(control, variants[chosen]);
    settle(control);
    if (captionFits(control))
      break;
  }
  if (chosen == variants.size()) {
    chosen = variants.size() - 1; // none fits: the shortest is the least cut
    setCaption(control, variants.last());
  }
  const QString ownTip = control.property(kOwnToolTip).toString();
  control.setToolTip(chosen == 0 ? ownTip : withFullText(variants.first(), ownTip));
  return variants[chosen] != before;
}

} // namespace

void fitEntries(QComboBox &list) {
  for (int i = 0; i < list.count(); ++i) {
    QVariant kept = list.itemData(i, Qt::UserRole + 1);
    if (!kept.isValid()) {
      if (!list.itemText(i).contains(kVariantSeparator))
        continue;
      kept = list.itemText(i);
      list.setItemData(i, kept, Qt::UserRole + 1);
    }
    const QStringList variants = lengthVariants(kept.toString());
    qsizetype chosen = 0;
    while (chosen + 1 < variants.size() && entryWidth(list, variants[chosen]) > entryPlace(list))
      ++chosen;
    list.setItemText(i, variants[chosen]);
    list.setItemData(i, chosen == 0 ? QVariant() : QVariant(variants.first()), Qt::ToolTipRole);
  }
}

QStringList lengthVariants(const QString &text) { return text.split(kVariantSeparator); }

int entryWidth(const QComboBox &list, const QString &entry) {
  return list.fontMetrics().horizontalAdvance(entry);
}

int entryPlace(const QComboBox &list) {
  QStyleOptionComboBox option;
  option.initFrom(&list);
  option.editable = list.isEditable();
  return list.style()
      ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, &list)
      .width();
}

namespace {

int textWidth(const QWidget &control, QString text) {
  text.remove(QRegularExpression(QStringLiteral("&(?!&)"))); // a mnemonic's mark takes no room
  return control.fontMetrics().horizontalAdvance(text);
}

// The room a control's style leaves its caption.
int captionPlace(const QWidget &control) {
  if (const auto *box = qobject_cast<const QCheckBox *>(&control)) {
    QStyleOptionButton option;
    option.initFrom(box);
    return box->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, box).width();
  }
  if (const auto *radio = qobject_cast<const QRadioButton *>(&control)) {
    QStyleOptionButton option;
    option.initFrom(radio);
    return radio->style()->subElementRect(QStyle::SE_RadioButtonContents, &option, radio).width();
  }
  if (qobject_cast<const QAbstractButton *>(&control))
    return control.width() - 4; // a button's frame
  if (qobject_cast<const QGroupBox *>(&control))
    return control.width() - 16;
  return control.contentsRect().width();
}

} // namespace

bool captionFits(const QWidget &control) {
  if (const auto *list = qobject_cast<const QComboBox *>(&control)) {
    if (list->isEditable())
      return true; // a name being typed scrolls
    for (int i = 0; i < list->count(); ++i)
      if (entryWidth(*list, list->itemText(i)) > entryPlace(*list))
        return false;
    return true;
  }
  if (const auto *label = qobject_cast<const QLabel *>(&control); label && label->wordWrap())
    return label->heightForWidth(label->width()) <= label->height();
  const QString caption = captionOf(control);
  if (caption.isEmpty())
    return true;
  int widest = 0;
  for (const QString &line : caption.split(u'\n'))
    widest = std::max(widest, textWidth(control, line));
  return widest <= captionPlace(control);
}

// A shortened caption can move its neighbours' places, so the captions are
// fitted again until none changes. Only the first round may go back to a
// longer variant, so the rounds end.
void fitCaptions(QWidget &window) {
  const QList<QWidget *> controls = window.findChildren<QWidget *>();
  for (QWidget *control : controls)
    if (auto *list = qobject_cast<QComboBox *>(control))
      fitEntries(*list);
  bool changed = true;
  for (int round = 0; changed && round < 8; ++round) {
    changed = false;
    for (QWidget *control : controls)
      if (!qobject_cast<QComboBox *>(control))
        changed = fitControl(*control, round == 0) || changed;
  }
}

} // namespace veltrane
