#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

class QCoreApplication;

namespace veltrane {

// The languages the program's texts are translated into, as catalogue suffixes.
inline const QStringList kCatalogueLanguages{QStringLiteral("de"), QStringLiteral("fr"), QStringLiteral("es"),
                                             QStringLiteral("it"), QStringLiteral("pt_BR")};

// Where the catalogues are: beside the programs in the build tree (a
// portable copy), in share/veltrane/translations when installed.
QStringList catalogueFolders(const QString &executableFolder);

// Installs the program's catalogue and Qt's own (its buttons and dialogs) for
// the locale's languages. The texts in the code, English, are the fallback:
// a language without a catalogue, or a text a catalogue lacks, shows them.
// Returns the language whose catalogue was installed, empty for English.
QString installCatalogues(QCoreApplication &app, const QStringList &folders, const QLocale &locale = QLocale());

// The suffix of the catalogue language the locale asks for first ("de",
// "pt_BR"), empty when none of its languages has one.
QString catalogueLanguage(const QLocale &locale);

} // namespace veltrane
