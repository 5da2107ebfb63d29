#include "ui/AccessibleNames.h"

#include "WindowTestKit.h"

#include <QAbstractScrollArea>
#include <QAccessible>
#include <QComboBox>
#include <QRegularExpression>
#include <QToolButton>

using namespace veltrane;

namespace {

class AccessibleNamesTest : public test::WindowTest {};

// What a screen reader says for a widget.
QString spokenName(QWidget *widget) {
  QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(widget);
  return accessible ? accessible->text(QAccessible::Name) : QString();
}

} // namespace

TEST_F(AccessibleNamesTest, EveryControlHasANameInWords) {
  start();
  int named = 0;
  for (QWidget *widget : window->findChildren<QWidget *>()) {
    // The parts of a composite control speak through the control.
    if (widget->focusPolicy() == Qt::NoFocus || widget->window() != window.get() ||
        qobject_cast<QComboBox *>(widget->parentWidget()) ||
        qobject_cast<QAbstractScrollArea *>(widget->parentWidget()))
      continue;
    // On Linux a combo box says its value as its name; its own name travels as a property.
    const QString name = qobject_cast<QComboBox *>(widget) ? widget->accessibleName() : spokenName(widget);
    EXPECT_TRUE(name.contains(QRegularExpression("[A-Za-z]{3}")))
        << widget->metaObject()->className() << " " << widget->objectName().toStdString() << ": \""
        << name.toStdString() << "\"";
    if (!widget->toolTip().isEmpty()) {
      EXPECT_EQ(widget->accessibleDescription(), widget->toolTip()) << widget->objectName().toStdString();
    }
    ++named;
  }
  EXPECT_GT(named, 25);
  EXPECT_EQ(spokenName(window->form().helpButton), "Help");
  EXPECT_EQ(spokenName(window->form().settingsButton), "Settings");
}
