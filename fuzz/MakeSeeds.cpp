// Writes the fuzz targets' seed corpora: `veltrane-make-fuzz-seeds CORPUS`
// fills CORPUS/<target>/. Inputs a fuzzer found are kept ("found-*"); every
// other file is replaced, so the corpora are exactly what this program makes.

#include "Seeds.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <cstdio>
#include <functional>

using namespace veltrane::fuzz;

namespace {

bool writeCorpus(const QDir &root, const QString &target, const QList<Seed> &seeds) {
  QDir folder(root.filePath(target));
  if (!folder.mkpath(QStringLiteral(".")))
    return false;
  for (const QString &old : folder.entryList(QDir::Files))
    if (!old.startsWith(QLatin1String("found-")))
      folder.remove(old);
  qint64 total = 0;
  for (const Seed &seed : seeds) {
    QFile file(folder.filePath(seed.name));
    if (!file.open(QIODevice::WriteOnly) || file.write(seed.bytes) != seed.bytes.size()) {
      std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
      return false;
    }
    total += seed.bytes.size();
  }
  std::printf("%-16s %3lld files, %6lld bytes\n", qPrintable(target), qlonglong(seeds.size()),
              qlonglong(total));
  return true;
}

} // namespace

int main(int argc, char **argv) {
  QCoreApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s CORPUS_FOLDER\n", argv[0]);
    return 2;
  }
  const QDir root(QString::fromLocal8Bit(argv[1]));
  const std::pair<const char *, std::function<QList<Seed>()>> corpora[] = {
      {"picture-decoder", [] { return pictureSeeds() + colourPictureSeeds(); }},
      {"settings-file", settingsFileSeeds},
      {"preset-line", presetLineSeeds},
      {"frame-name", frameNameSeeds},
      {"skin-outline", skinOutlineSeeds},
      {"thunar-actions", thunarActionSeeds},
      {"colour-profile", colourProfileSeeds},
      {"photo-metadata", photoMetadataSeeds},
      {"batch-options", batchOptionSeeds},
  };
  for (const auto &[target, seeds] : corpora)
    if (!writeCorpus(root, QString::fromLatin1(target), seeds()))
      return 1;
  return 0;
}
