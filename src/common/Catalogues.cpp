#include "common/Catalogues.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>
#include <memory>

namespace veltrane {

QStringList catalogueFolders(const QString &executableFolder) {
  return {QDir(executableFolder).filePath(QStringLiteral("translations")),
          QDir::cleanPath(executableFolder + QStringLiteral("/../share/veltrane/translations"))};
}

QString catalogueLanguage(const QLocale &locale) {
  // uiLanguages() lists "pt-BR" before "pt": the first that has a catalogue wins.
  for (QString language : locale.uiLanguages()) {
    language.replace(u'-', u'_');
    if (kCatalogueLanguages.contains(language))
      return language;
    const QString base = language.section(u'_', 0, 0);
    if (base == QLatin1String("en"))
      return {};
    if (kCatalogueLanguages.contains(base))
      return base;
  }
  return {};
}

namespace {

// A translator that loaded is handed to the application, which owns it from
// then on and keeps it as long as it runs.
bool install(QCoreApplication &app, std::unique_ptr<QTranslator> translator, bool loaded) {
  if (!loaded)
    return false;
  translator->setParent(&app);
  QCoreApplication::installTranslator(translator.release());
  return true;
}

} // namespace

QString installCatalogues(QCoreApplication &app, const QStringList &folders, const QLocale &locale) {
  const QString language = catalogueLanguage(locale);
  if (language.isEmpty())
    return {};
  auto qtTexts = std::make_unique<QTranslator>();
  const bool qtLoaded = qtTexts->load(QLocale(language), QStringLiteral("qtbase"), QStringLiteral("_"),
                                      QLibraryInfo::path(QLibraryInfo::TranslationsPath));
  install(app, std::move(qtTexts), qtLoaded);
  for (const QString &folder : folders) {
    auto ours = std::make_unique<QTranslator>();
    const bool loaded = ours->load(QStringLiteral("veltrane_") + language, folder);
    if (install(app, std::move(ours), loaded))
      return language;
  }
  return {};
}

} // namespace veltrane
