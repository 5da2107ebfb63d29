// veltrane-batch: the command-line front end.
#include <QCoreApplication>
#include <QTextStream>

namespace {

const char kUsage[] = "Usage: veltrane-batch [options] FILE...\n"
                      "Resizes JPEG, GIF and BMP pictures into JPEG files, never overwriting a file.\n"
                      "\n"
                      "Options:\n"
                      "  --help      show this help and exit\n"
                      "  --version   show the version and exit\n";

} // namespace

int main(int argc, char **argv) {
  QCoreApplication app(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("veltrane-batch"));
  QCoreApplication::setApplicationVersion(QStringLiteral(VELTRANE_VERSION));
  QTextStream out(stdout);
  const QStringList args = QCoreApplication::arguments().mid(1);
  if (args.contains(QStringLiteral("--version"))) {
    out << "veltrane-batch " << VELTRANE_VERSION << "\n";
    return 0;
  }
  out << kUsage;
  return args.isEmpty() || args.contains(QStringLiteral("--help")) ? 0 : 2;
}
