#include "WindowTestKit.h"
#include "common/Catalogues.h"
#include "ui/CaptionFitting.h"

#include <QGroupBox>
#include <QTranslator>

namespace {

// The controls of a window whose caption (or a list's entry) is cut: wider
// than the place the window gives it.
QStringList cutCaptions(const QWidget &window) {
  QStringList cut;
  for (const QWidget *control : window.findChildren<QWidget *>()) {
    const bool captioned = qobject_cast<const QLabel *>(control) || qobject_cast<const QAbstractButton *>(control) ||
                           qobject_cast<const QComboBox *>(control) || qobject_cast<const QGroupBox *>(control);
    if (captioned && control->isVisibleTo(&window) && !captionFits(*control))
      cut.append(QStringLiteral("%1, %2 wide").arg(control->objectName()).arg(control->width()));
  }
  return cut;
}

class CaptionsInEveryLanguage : public WindowTest, public ::testing::WithParamInterface<const char *> {
protected:
  void SetUp() override {
    const QString language = QString::fromLatin1(GetParam());
    if (language == QLatin1String("en"))
      return;
    ASSERT_TRUE(catalogue.load(QStringLiteral("veltrane_") + language, QStringLiteral(VELTRANE_CATALOGUES)));
    QCoreApplication::installTranslator(&catalogue);
  }
  void TearDown() override { QCoreApplication::removeTranslator(&catalogue); }
  QTranslator catalogue;
};

TEST_P(CaptionsInEveryLanguage, FitTheirPlacesInTheWindowAndTheSettings) {
  MainWindow &shown = start({});
  shown.show();
  QApplication::processEvents();
  EXPECT_EQ(cutCaptions(shown), QStringList());
  // The help panel's note takes the place of the folder line.
  shown.findChild<QWidget *>(QStringLiteral("helpLabel"))->show();
  EXPECT_EQ(cutCaptions(shown), QStringList());
  shown.settingsWindow().show();
  QApplication::processEvents();
  EXPECT_EQ(cutCaptions(shown.settingsWindow()), QStringList());
  shown.settingsWindow().close();
  if (QString::fromLatin1(GetParam()) != QLatin1String("en")) {
    EXPECT_NE(control<QPushButton>("addFiles")->text(), QStringLiteral("Add...")) << "the catalogue is not in use";
  }
}

INSTANTIATE_TEST_SUITE_P(Languages, CaptionsInEveryLanguage,
                         ::testing::Values("en", "de", "fr", "es", "it", "pt_BR"));

TEST(CaptionFitting, ShowsTheFirstVariantThatFitsWithTheFullTextInTheTooltip) {
  QWidget window;
  window.setFixedSize(400, 100);
  const QString variants = QStringLiteral("Eine sehr lange Beschriftung") + QChar(0x9c) + QStringLiteral("Kurz");
  auto *narrow = new QCheckBox(variants, &window);
  narrow->setGeometry(0, 0, 70, 20);
  narrow->setToolTip(QStringLiteral("What it does"));
  auto *wide = new QLabel(variants, &window);
  wide->setGeometry(0, 30, 390, 20);
  auto *list = new QComboBox(&window);
  list->setGeometry(0, 60, 80, 22);
  list->addItems({variants, QStringLiteral("fill")});
  fitCaptions(window);

  EXPECT_EQ(narrow->text(), QStringLiteral("Kurz"));
  EXPECT_EQ(narrow->toolTip(), QStringLiteral("Eine sehr lange Beschriftung\nWhat it does"));
  EXPECT_EQ(wide->text(), QStringLiteral("Eine sehr lange Beschriftung"));
  EXPECT_EQ(wide->toolTip(), QString());
  EXPECT_EQ(list->itemText(0), QStringLiteral("Kurz"));
  EXPECT_EQ(list->itemData(0, Qt::ToolTipRole).toString(), QStringLiteral("Eine sehr lange Beschriftung"));
  EXPECT_EQ(list->itemText(1), QStringLiteral("fill"));

  // Fitted again in a wider place, the full text comes back.
  narrow->setGeometry(0, 0, 380, 20);
  fitCaptions(window);
  EXPECT_EQ(narrow->text(), QStringLiteral("Eine sehr lange Beschriftung"));
  EXPECT_EQ(narrow->toolTip(), QStringLiteral("What it does"));
}

TEST(Catalogues, FollowTheFirstLanguageThatHasOneAndFallBackToEnglish) {
  const struct {
    const char *locale;
    const char *language;
  } cases[] = {{"de_DE", "de"}, {"de_AT", "de"}, {"fr_CA", "fr"}, {"pt_BR", "pt_BR"}, {"pt_PT", ""},
               {"es_MX", "es"}, {"it_IT", "it"}, {"en_GB", ""},  {"ja_JP", ""},       {"C", ""}};
  for (const auto &c : cases)
    EXPECT_EQ(catalogueLanguage(QLocale(QString::fromLatin1(c.locale))), QString::fromLatin1(c.language))
        << c.locale;
}

} // namespace
