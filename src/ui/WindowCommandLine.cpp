#include "ui/WindowCommandLine.h"
#include "ui/WindowText.h"

#include "filelist/SourceFiles.h"

#include <QDir>
#include <QUrl>
#include <optional>

namespace veltrane {
namespace {

QString picturePath(const QString &argument, const QString &workingFolder) {
  // A launcher may quote the whole text, as the one-path command line of
  // older copies did.
  const QString text = commandLineFile(argument);
  if (text.isEmpty())
    return {};
  if (text.startsWith(QLatin1String("file:")))
    return QUrl(text).toLocalFile();
  return QDir::cleanPath(QDir(workingFolder).absoluteFilePath(text));
}

} // namespace

WindowCommandLine parseWindowCommandLine(const QStringList &arguments, const QString &workingFolder) {
  WindowCommandLine result;
  bool options = true;
  for (qsizetype i = 0; i < arguments.size(); ++i) {
    const QString &argument = arguments[i];
    if (options && argument.startsWith(QLatin1String("--")) && argument.size() > 2) {
      const qsizetype eq = argument.indexOf(u'=');
      const QString name = eq < 0 ? argument : argument.left(eq);
      const auto value = [&]() -> std::optional<QString> {
        if (eq >= 0)
          return argument.mid(eq + 1);
        if (i + 1 < arguments.size())
          return arguments[++i];
        return std::nullopt;
      };
      QString *folder = name == QLatin1String("--home")         ? &result.home
                        : name == QLatin1String("--screenshot") ? &result.screenshot
                        : name == QLatin1String("--self-test")  ? &result.selfTest
                                                                : nullptr;
      if (folder) {
        const std::optional<QString> text = value();
        if (!text || text->isEmpty()) {
          result.error = name + MainWindowText::tr(" needs a folder");
          return result;
        }
        *folder = *text;
      } else if (name == QLatin1String("--help") && eq < 0) {
        result.help = true;
      } else if (name == QLatin1String("--version") && eq < 0) {
        result.version = true;
      } else {
        result.error = MainWindowText::tr("unknown option ") + name;
        return result;
      }
    } else if (options && argument == QLatin1String("--")) {
      options = false;
    } else {
      const QString path = picturePath(argument, workingFolder);
      if (!path.isEmpty())
        result.files.append(path);
    }
  }
  return result;
}

} // namespace veltrane
