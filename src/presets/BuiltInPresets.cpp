#include "presets/BuiltInPresets.h"

#include <QCoreApplication>

namespace veltrane {

const QStringList &builtInPresetLines() {
  // u00BB is the double angle quotation mark between size and megapixels; the
  // '"' inside names 26 to 30 is an inch sign.
  static const QStringList lines{
      QStringLiteral("INDEX PICTURES (make test-prints)=||0|85%|||2|4|3|1|0|0"),
      QStringLiteral("SELECT THE BEST FRAME=||0|85%||all|2|3|2|1|0|0"),
      QStringLiteral("WALLPAPERS=screen|screen|0|85%| wallpaper ([W]x[H])||0|4|3|0|0|0"),
      QStringLiteral("THUMBNAILS=|150|0|50%|_TH||1|5|4|1|0|0"),
      QStringLiteral("MAIL ATTACHMENT=|600|1|100k|||0|4|3|0|0|0"),
      QStringLiteral("MAIL ATTACHMENT (framed)=|600|1|100k||Golden wood|0|4|3|0|0|0"),
      QStringLiteral("RE-SAMPLING=||1|85%|@85%||0|4|3|0|0|0"),
      QStringLiteral(" Low-res=||1|50%|@[Q]||0|4|3|0|0|0"),
      QStringLiteral(" Web pictures=||1|67%|@[Q]||0|4|3|0|0|0"),
      QStringLiteral(" Web hi-res=||1|75%|@[Q]||0|4|3|0|0|0"),
      QStringLiteral(" Average PC image=||1|85%|@[Q]||0|4|3|0|0|0"),
      QStringLiteral(" Hi-res=||1|90%|@[Q]||0|4|3|0|0|0"),
      QStringLiteral(" Top-resolution (for digital printing)=||1|100%|@[Q]||0|4|3|0|0|0"),
      QStringLiteral("STANDARD VIDEO-SIZES=1024|768|1|85%|||1|4|3|0|0|0"),
      QStringLiteral(" CGA (320x200 \u00BB 0.1MP)=320|200|1|85%|||1|4|3|0|0|0"),
      QStringLiteral(" QVGA (320x240 \u00BB 0.1MP)=320|240|1|85%|||1|4|3|0|0|0"),
      QStringLiteral(" VGA (640x480 \u00BB 0.3MP)=640|480|1|85%|||1|4|3|0|0|0"),
      QStringLiteral(" SVGA (800x600 \u00BB 0.5MP)=800|600|1|85%|||1|4|3|0|0|0"),
      QStringLiteral(" XGA (1024x768 \u00BB 0.8MP)=1024|768|1|85%|||1|4|3|0|0|0"),
      QStringLiteral(" SXGA (1280x960 \u00BB 1.2MP)=1280|960|1|85%|||1|4|3|0|0|0"),
      QStringLiteral(" HD (1366x768 \u00BB 1MP)=1366|768|1|85%|||1|4|3|0|0|0"),
      QStringLiteral(" HD+ (1600x900 \u00BB 1.4MP)=1600|900|1|85%|||1|4|3|0|0|0"),
      QStringLiteral(" UXGA (1600x1200 \u00BB 1.9MP)=1600|1200|1|85%|||1|4|3|0|0|0"),
      QStringLiteral(" HD1080 (1920x1080 \u00BB 2.1MP)=1920|1080|1|85%|||1|4|3|0|0|0"),
      QStringLiteral("STANDARD PHOTO-SIZES (minimum)=2048|1536|1|100%|||1|4|3|0|0|0"),
      QStringLiteral(" 1MP Wallet-photo (2.5x3.5\"/6x9cm)=1024|768|1|100%|||1|4|3|0|0|0"),
      QStringLiteral(" 2MP Normal photo (4x6\"/10x15cm)=1600|1200|1|100%|||1|4|3|0|0|0"),
      QStringLiteral(" 3MP A4/LetterPaper (8x10\"/20x25cm)=2048|1536|1|100%|||1|4|3|0|0|0"),
      QStringLiteral(" 4MP Poster (9x12\"/23x30cm)=2272|1074|1|100%|||1|4|3|0|0|0"),
      QStringLiteral(" 5MP Large poster (10x13\"/25x33cm)=2560|1920|1|100%|||1|4|3|0|0|0"),
      QStringLiteral(" 7MP=3072|2304|1|100%|||1|4|3|0|0|0"),
      QStringLiteral(" 12MP=4288|2848|1|100%|||1|4|3|0|0|0"),
      QStringLiteral(" 18MP=5184|3456|1|100%|||1|4|3|0|0|0"),
  };
  return lines;
}

namespace {

// The built-in names that have words to translate, without their indent.
const char *const kTranslatedNames[] = {
    QT_TRANSLATE_NOOP("Presets", "INDEX PICTURES (make test-prints)"),
    QT_TRANSLATE_NOOP("Presets", "SELECT THE BEST FRAME"),
    QT_TRANSLATE_NOOP("Presets", "WALLPAPERS"),
    QT_TRANSLATE_NOOP("Presets", "THUMBNAILS"),
    QT_TRANSLATE_NOOP("Presets", "MAIL ATTACHMENT"),
    QT_TRANSLATE_NOOP("Presets", "MAIL ATTACHMENT (framed)"),
    QT_TRANSLATE_NOOP("Presets", "RE-SAMPLING"),
    QT_TRANSLATE_NOOP("Presets", "Low-res"),
    QT_TRANSLATE_NOOP("Presets", "Web pictures"),
    QT_TRANSLATE_NOOP("Presets", "Web hi-res"),
    QT_TRANSLATE_NOOP("Presets", "Average PC image"),
    QT_TRANSLATE_NOOP("Presets", "Hi-res"),
    QT_TRANSLATE_NOOP("Presets", "Top-resolution (for digital printing)"),
    QT_TRANSLATE_NOOP("Presets", "STANDARD VIDEO-SIZES"),
    QT_TRANSLATE_NOOP("Presets", "STANDARD PHOTO-SIZES (minimum)"),
    QT_TRANSLATE_NOOP("Presets", "1MP Wallet-photo (2.5x3.5\"/6x9cm)"),
    QT_TRANSLATE_NOOP("Presets", "2MP Normal photo (4x6\"/10x15cm)"),
    QT_TRANSLATE_NOOP("Presets", "3MP A4/LetterPaper (8x10\"/20x25cm)"),
    QT_TRANSLATE_NOOP("Presets", "4MP Poster (9x12\"/23x30cm)"),
    QT_TRANSLATE_NOOP("Presets", "5MP Large poster (10x13\"/25x33cm)"),
};

} // namespace

bool choosesFrames(const QString &presetBoxText) {
  return presetBoxText == kSelectBestFramePreset || presetBoxText == shownPresetName(kSelectBestFramePreset);
}

QString shownPresetName(const QString &storedName) {
  const qsizetype indent = storedName.size() - QStringView(storedName).trimmed().size();
  const QString bare = storedName.mid(indent);
  for (const char *name : kTranslatedNames)
    if (bare == QLatin1String(name))
      return storedName.left(indent) + QCoreApplication::translate("Presets", name);
  return storedName;
}

} // namespace veltrane
