#include "ui/CaptionFitting.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyleOptionButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QStyle>
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

void fitControl(QWidget &control) {
  QVariant kept = control.property(kAllVariants);
  if (!kept.isValid()) {
    const QString caption = captionOf(control);
    if (!caption.contains(kVariantSeparator))
      return;
    kept = caption;
    control.setProperty(kAllVariants, caption);
    control.setProperty(kOwnToolTip, control.toolTip());
  }
  const QStringList variants = lengthVariants(kept.toString());
  qsizetype chosen = 0;
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
}

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

} // namespace

QStringList lengthVariants(const QString &text) { return text.split(kVariantSeparator); }

int entryWidth(const QComboBox &list, const QString &entry) { return list.fontMetrics().horizontalAdvance(entry); }

int entryPlace(const QComboBox &list) {
  QStyleOptionComboBox option;
  option.initFrom(&list);
  option.editable = list.isEditable();
  return list.style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, &list).width();
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

void fitCaptions(QWidget &window) {
  for (QWidget *control : window.findChildren<QWidget *>()) {
    if (auto *list = qobject_cast<QComboBox *>(control))
      fitEntries(*list);
    else
      fitControl(*control);
  }
}

} // namespace veltrane
