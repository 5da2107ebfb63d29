#include "ui/CaptionFitting.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QVariant>

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
  if (const auto *group = qobject_cast<const QGroupBox *>(&control)) {
    if (group->title().isEmpty())
      return true;
    return group->fontMetrics().horizontalAdvance(group->title()) + 16 <= group->width();
  }
  if (captionOf(control).isEmpty())
    return true;
  return control.sizeHint().width() <= control.width();
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
