// Colour profiles for the colour-profile target, the colour tests' files
// (made with Little CMS), and cut or damaged; and JPEGs that carry one, for
// the picture decoder.

#include "Seeds.h"
#include "TestData.h"

namespace veltrane::fuzz {

using namespace veltrane::test;

namespace {

QByteArray patched(QByteArray bytes, qsizetype at, const QByteArray &with) {
  return bytes.replace(at, with.size(), with);
}

// The tag table's entry for `signature`: its offset field, 4 bytes on.
qsizetype tagEntry(const QByteArray &profile, const char *signature) {
  return profile.indexOf(signature, 128);
}

} // namespace

QList<Seed> colourProfileSeeds() {
  const QByteArray adobe = testSource("adobe-rgb.icc"), press = testSource("cmyk-press.icc");
  const qsizetype redTag = tagEntry(adobe, "rXYZ"), table = tagEntry(press, "A2B0");
  QList<Seed> seeds{
      {"adobe-rgb.icc", adobe},
      {"display-p3.icc", testSource("display-p3.icc")},
      {"srgb.icc", testSource("srgb.icc")},
      {"grey-gamma-1.icc", testSource("grey-gamma-1.icc")},
      {"cmyk-press.icc", press},
      {"empty", {}},
      {"header-only.icc", adobe.left(128)},
      {"cut-in-tags.icc", adobe.left(adobe.size() / 2)},
      {"cut-in-table.icc", press.left(press.size() - 200)},
      {"size-huge.icc", patched(adobe, 0, QByteArray("\x7F\xFF\xFF\xFF", 4))},
      {"tag-count-huge.icc", patched(adobe, 128, QByteArray("\x0F\xFF\xFF\xFF", 4))},
      {"tag-beyond-end.icc", patched(adobe, redTag + 4, QByteArray("\x00\x10\x00\x00", 4))},
      {"tag-size-huge.icc", patched(adobe, redTag + 8, QByteArray("\x7F\x00\x00\x00", 4))},
      {"table-beyond-end.icc", patched(press, table + 4, QByteArray("\x00\x10\x00\x00", 4))},
      {"colour-space-lab.icc", patched(adobe, 16, "Lab ")},
      {"device-link.icc", patched(adobe, 12, "link")},
  };
  return seeds + testDataSeeds({QStringLiteral("*.icc")});
}

QList<Seed> colourPictureSeeds() {
  const QByteArray adobe = testSource("quadrants-24x16-adobe-rgb.jpg");
  QByteArray badSequence = adobe;
  badSequence[badSequence.indexOf("ICC_PROFILE") + 12] = 3;
  return {
      {"jpeg-icc-adobe-rgb.jpg", adobe},
      {"jpeg-icc-cmyk-press.jpg", testSource("quadrants-24x16-cmyk-press.jpg")},
      {"jpeg-icc-cmyk-rgb-profile.jpg", testSource("quadrants-24x16-ycck-adobe-rgb.jpg")},
      {"jpeg-icc-chunk-3-of-1.jpg", badSequence},
  };
}

} // namespace veltrane::fuzz
