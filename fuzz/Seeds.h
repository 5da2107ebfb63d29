#pragma once

// The seed inputs of each fuzz target: small valid files of every kind the
// parser reads, and the damaged and hostile files it must survive.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace veltrane::fuzz {

struct Seed {
  QString name;
  QByteArray bytes;
};

QList<Seed> pictureSeeds();
QList<Seed> settingsFileSeeds();
QList<Seed> presetLineSeeds();
QList<Seed> frameNameSeeds();
QList<Seed> skinOutlineSeeds();
QList<Seed> thunarActionSeeds();
QList<Seed> colourProfileSeeds();
QList<Seed> colourPictureSeeds(); // JPEGs with colour profiles, for the picture decoder
QList<Seed> photoMetadataSeeds();
QList<Seed> batchOptionSeeds();
// The files under tests/data whose names match `patterns`.
QList<Seed> testDataSeeds(const QStringList &patterns);

} // namespace veltrane::fuzz
