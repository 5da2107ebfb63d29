// Settings files, preset lines and frame file names: what the program writes
// and reads back, then damaged and hostile text.

#include "Seeds.h"
#include "presets/BuiltInPresets.h"
#include "presets/FrameList.h"
#include "presets/SettingsFile.h"

#include <cstddef>

namespace veltrane::fuzz {

namespace {

// The frames the settings and preset targets list.
QStringList frameEntries() {
  return frameListEntries({QStringLiteral("Golden wood"), QStringLiteral("Black_white")});
}

// Repeatable junk: every byte value, in no order.
QByteArray junk(int size, quint32 seed) {
  QByteArray out;
  for (int i = 0; i < size; ++i) {
    seed = seed * 1103515245u + 12345u;
    out.append(char(seed >> 16));
  }
  return out;
}

QByteArray repeated(const QByteArray &line, int times) {
  QByteArray out;
  for (int i = 0; i < times; ++i)
    out += line;
  return out;
}

// A literal's bytes, NULs included.
template <size_t N> QByteArray bytesOf(const char (&text)[N]) { return QByteArray(text, N - 1); }

const QByteArray kHugeNumber = repeated("9", 400);

} // namespace

QList<Seed> settingsFileSeeds() {
  const QStringList frames = frameEntries();
  const QByteArray firstRun = writeSettings(
      firstRunSettings({QStringLiteral("/home/u/Desktop"), {1920, 1080}, {603, 406}}, frames), frames);
  const QByteArray line1 = "1|0|16777215|0|1|0|9|1|1|0|0|0|0|0|0|0|4|3|0|1|0|1\r\n";
  const QByteArray legacy = line1 + "640|480|1|85%|||1|4|3|0|0|0\r\n"
                                    "C:\\Users\\Ann\\Desktop\\Resized pictures\r\n"
                                    "A=1|1|1|85%|||0|4|3|0|0|0\r\n"
                                    " VGA (640x480 \xBB 0.3MP)=640|480|1|85%|||1|4|3|0|0|0\r\n";
  QByteArray lfOnly = firstRun, crOnly = firstRun;
  lfOnly.replace("\r\n", "\n");
  crOnly.replace("\r\n", "\r");
  QByteArray allHighBytes;
  for (int b = 0x80; b <= 0xFF; ++b)
    allHighBytes.append(char(b));
  QByteArray hugeLine1;
  for (const QByteArray &number :
       {kHugeNumber, "-" + kHugeNumber, QByteArray("1e999"), QByteArray("4294967296"),
        QByteArray("-2147483649"), QByteArray("32768"), QByteArray("99999999999.5"), QByteArray(".5"),
        QByteArray("-."), QByteArray("+-1"), QByteArray("0x10")})
    hugeLine1 += number + "|";
  QByteArray withNuls = firstRun;
  withNuls.replace('|', QByteArray("|\0", 2));
  return {
      {"empty.ini", {}},
      {"first-run.ini", firstRun},
      {"first-run-with-bom.ini", "\xEF\xBB\xBF" + firstRun},
      {"legacy-windows-1252.ini", legacy},
      {"lf-line-ends.ini", lfOnly},
      {"cr-line-ends.ini", crOnly},
      {"cut-in-line-2.ini", firstRun.left(firstRun.indexOf('\n') + 12)},
      {"cut-in-preset-line.ini", firstRun.left(firstRun.size() * 2 / 3)},
      {"only-line-ends.ini", "\r\n\r\n\r\n\r\n"},
      {"bar-only.ini", "|"},
      {"empty-fields.ini", repeated("|", 21) + "\r\n" + repeated("|", 11) + "\r\n\r\n=\r\n|\r\n\r\n"},
      {"very-long-line.ini", repeated("12345678|", 500) + "\r\n" + repeated("x", 3000) + "\r\n\r\n"},
      {"binary-junk.ini", junk(2048, 1)},
      {"binary-junk-after-line-1.ini", line1 + junk(1024, 2)},
      {"nul-bytes.ini", withNuls},
      {"invalid-utf-8.ini",
       line1 + "\xC0\x80|\xED\xA0\x80|\xF4\x90\x80\x80|\xFF\xFE\r\n" +
           "/tmp/\xF8\x88\x80\x80\x80\r\nName \xE2\x82=1|1|1|85%|||0|4|3|0|0|0\r\n\xE2\x82"},
      {"windows-1252-bytes.ini", line1 + "800|600|1|85%|" + allHighBytes + "||0|4|3|0|0|0\r\n/tmp\r\n" +
                                     allHighBytes + "=1|1|1|85%|||0|4|3|0|0|0\r\n"},
      {"mixed-encodings.ini",
       line1 + "800|600|1|85%|||0|4|3|0|0|0\r\n/tmp/\xC2\xBB\r\n"
               "A \xBB B=1|1|1|85%|||0|4|3|0|0|0\r\nC \xC2\xBB D=1|1|1|85%|||0|4|3|0|0|0\r\n"},
      // More preset lines than the list holds.
      {"thousands-of-presets.ini",
       line1 + "800|600|1|85%|||0|4|3|0|0|0\r\n/tmp\r\n" + repeated("=|\r\n", 1100)},
      {"huge-numbers.ini", hugeLine1 + "\r\n" + kHugeNumber + "|-" + kHugeNumber + "|" + kHugeNumber + "|" +
                               kHugeNumber + "k|" + kHugeNumber + "|" + kHugeNumber + "|" + kHugeNumber +
                               "|-99999|99999|" + kHugeNumber + "|-1|2\r\n/tmp\r\n"},
      {"size-limit-100000k.ini", line1 + "640|480|1|100000k|||0|4|3|0|0|0\r\n/tmp\r\n"},
      // The selected preset's suffix holds "=".
      {"suffix-with-equals.ini", "1|0|16777215|0|1|0|9|0|1|0|0|0|0|0|0|0|4|3|0|1|0|1\r\n\r\n/tmp\r\n"
                                 "Q=640|480|1|85%|_q=85||0|4|3|0|0|0\r\n"},
      {"window-far-away.ini", "1|0|16777215|0|1|0|9|1|1|0|0|" + kHugeNumber.left(40) + "|100000|-" +
                                  kHugeNumber.left(40) + "|0|0|4|3|0|1|0|1\r\n"},
      {"selected-beyond-list.ini",
       "1|0|16777215|0|1|0|9|40|1|0|0|0|0|0|0|0|4|3|0|1|0|1\r\n\r\n/tmp\r\na=\r\n"},
      {"selected-negative.ini", "1|0|16777215|0|1|0|9|-2|1|0|0|0|0|0|0|0|4|3|0|1|0|1\r\n"},
  };
}

QList<Seed> presetLineSeeds() {
  QList<Seed> seeds;
  const QStringList builtIns = builtInPresetLines();
  for (qsizetype i = 0; i < builtIns.size(); ++i)
    seeds.append({QStringLiteral("built-in-%1").arg(i, 2, 10, QLatin1Char('0')), builtIns[i].toUtf8()});
  const QByteArray huge = kHugeNumber.left(60);
  seeds += QList<Seed>{
      {"empty", {}},
      {"bar-only", "|"},
      {"equals-only", "="},
      {"equals-and-bars", "==|=|=="},
      {"name-only", "Thumbnails"},
      {"name-and-equals", "Thumbnails="},
      {"many-bars", repeated("|", 60)},
      {"too-many-fields", repeated("1|", 30)},
      {"long-field", "long=" + repeated("8", 3000) + "|600|1|85%|||0|4|3|0|0|0"},
      {"huge-numbers", "big=" + huge + "|-" + huge + "|" + huge + "|" + huge + "k|_s|all|" + huge + "|" +
                           huge + "|-" + huge + "|" + huge + "|" + huge + "|" + huge},
      {"fractions", "f=800.5|600.5|0.5|85.5%|_a|Golden wood|1.5|2.5|3.5|0.5|1.5|0.4"},
      {"negative", "n=-800|-600|-1|-85%|_n||-1|-4|-3|-1|-1|-1"},
      {"screen-and-frame-all", "s=screen|screen|1|100k|_[W]x[H]|ALL|2|8|1|1|1|1"},
      {"frame-case", "c=640|480|1|85%||gOLDEN WOOD|0|4|3|0|0|0"},
      {"frame-list-texts", "t=640|480|1|85%||(no frame)|0|4|3|0|0|0"},
      {"frame-with-underscore", "u=640|480|1|85%||Black_white|0|4|3|0|0|0"},
      {"quality-without-unit", "q=640|480|1|85|||0|4|3|0|0|0"},
      {"quality-units-only", "q=640|480|1|%k|||0|4|3|0|0|0"},
      {"quality-exponent", "q=640|480|1|1e9k|||0|4|3|0|0|0"},
      {"size-limit-100000k", "big=640|480|1|100000k|||0|4|3|0|0|0"},
      {"spaces-and-tabs", " sp = 640 |\t480\t| 1 | 85 % | _x | all | 1 | 4 | 3 | 0 | 0 | 0 "},
      {"equals-in-suffix", "e=640|480|1|85%|_q=85|ALL|0|4|3|0|0|0"},
      {"invalid-utf-8", "bad \xC0\x80=\xFF\xFE|\xED\xA0\x80|1|85%|_\xF8\x88|\xE2\x82|0|4|3|0|0|0"},
      {"nul-bytes", bytesOf("n\0=640|4\0\x38\x30|1|85%|\0|\0|0|4|3|0|0|0")},
      {"non-bmp-characters", "\xF0\x9F\x96\xBC=640|480|1|85%|_\xF0\x9F\x93\xB7|\xF0\x9F\x96\xBC|0|4|3|0|0|0"},
  };
  return seeds;
}

QList<Seed> frameNameSeeds() {
  const QByteArray huge = kHugeNumber.left(50);
  return {
      {"film-strip", "Film strip_60-115-1140-685.jpg"},
      {"golden-wood", "Golden wood_100-100-900-650.jpg"},
      {"polaroid", "Polaroid_90-90-900-880.jpg"},
      {"walnut", "Walnut and passe-partout_150-150-850-600.jpg"},
      {"two-underscores", "Black_white_10-10-90-90.bmp"},
      {"fractions", "Half_10.5-20.25-300.75-400.5.gif"},
      {"empty", {}},
      {"no-underscore", "Golden wood 100-100-900-650.jpg"},
      {"no-dot", "Golden wood_100-100-900-650"},
      {"two-dashes", "Golden wood_100-100-900.jpg"},
      {"dot-first", "Golden wood_.100-100-900-650"},
      {"underscore-only", "_"},
      {"bare-dashes", "_---."},
      {"no-name", "_1-2-3-4.jpg"},
      {"not-numbers", "Odd_a-b-c-d.jpg"},
      {"negative", "Negative_-100--100--900--650.jpg"},
      {"reversed", "Reversed_900-650-100-100.jpg"},
      {"zero-window", "Zero_0-0-0-0.jpg"},
      {"huge-numbers", "Huge_" + huge + "-" + huge + "-" + huge + "-" + huge + ".jpg"},
      {"huge-negative", "Huge_-" + huge + "-0-" + huge + "-1.jpg"},
      {"many-underscores", repeated("_", 200) + "1-2-3-4.jpg"},
      {"long-name", repeated("frame ", 400) + "_1-2-3-4.jpg"},
      {"spaces", "Spaced_ 10 - 20 - 30 - 40 .jpg"},
      {"invalid-utf-8", "Bad \xC0\x80\xFF_1\xE2\x82-2-3-4.jpg"},
      {"non-bmp-characters", "\xF0\x9F\x96\xBC_1-2-3-4.\xF0\x9F\x93\xB7"},
  };
}

QList<Seed> skinOutlineSeeds() {
  return {
      {"built-in", "91,3,116,5,143,5,153,3,164,5,173,3,203,5,208,3,220,3,235,5,241,8,242,10,251,10,83,5"},
      {"rectangle", "0,0,0,406,603,406,603,0,603,0"},
      {"four-numbers", "10,20,30,40"},
      {"trailing-comma", "10,20,30,40,"},
      {"empty", {}},
      {"odd-numbers", " 7px, 8 ,x,9,1e300,-1e300,0.5,,,"},
      {"huge-numbers", kHugeNumber + "," + kHugeNumber + ","},
      {"too-many-points", repeated("1,2,", 300)},
      {"only-commas", repeated(",", 1000)},
      {"crlf-lines", "0,0,\r\n0,406,\r\n603,406,\r\n"},
  };
}

QList<Seed> thunarActionSeeds() {
  const QByteArray action = "<action><icon>utilities-terminal</icon><name>Open Terminal Here</name>"
                            "<unique-id>1234-1</unique-id><command>exo-open --working-directory %f</command>"
                            "<description>Example &amp; more</description><patterns>*</patterns>"
                            "<directories/></action>";
  return {
      {"empty", {}},
      {"no-actions", "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<actions/>\n"},
      {"users-action", "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<actions>" + action + "</actions>\n"},
      {"ours-already", "<actions><action><unique-id>veltrane-jpeg</unique-id><command>'/old/v' -- "
                       "%F</command></action></actions>"},
      {"comment-and-cdata", "<actions><!-- note --><action><name><![CDATA[a<b]]></name></action></actions>"},
      {"cut-short", "<actions><action><name>cut"},
      {"other-root", "<menus><menu/></menus>"},
      {"deep", repeated("<a>", 100) + repeated("</a>", 100)},
      {"many-actions", "<actions>" + repeated(action, 200) + "</actions>"},
      {"entities",
       "<!DOCTYPE actions [<!ENTITY e \"x\">]><actions><action><name>&e;</name></action></actions>"},
  };
}

QList<Seed> batchOptionSeeds() {
  // Arguments are separated by NUL, as in /proc/PID/cmdline.
  return {
      {"preset-and-files", bytesOf("--defaults\0--preset\0MAIL ATTACHMENT\0-o\0out\0a.jpg\0b c.jpg")},
      {"short-options", bytesOf("-qnj4\0-o\0out\0-r0\0--files-from\0-\0--\0-a.jpg")},
      {"every-field",
       bytesOf("--width\0800\0--height\0off\0--quality\085\0--max-kb\0100\0--suffix\0"
               "_[W]x[H]@[Q]\0--frame\0Golden wood\0--index\0on\0--grid\05x4\0--no-suffix\0x.jpg")},
      {"equals-and-photos",
       bytesOf("--screen=1920x1080\0--jobs=2\0--metadata\0keep\0--colour-profile=convert\0"
               "--report\0-\0--no-settings\0--list-presets")},
      {"more-jobs", bytesOf("--job\0|640|480|1|85%|||1|4|3|0|0|0\0--also-job\0|150|0|50%|_TH||0|4|3|0|0|0\0"
                            "--also-preset\0web\0p.png")},
      {"bad-values", bytesOf("--screen\0"
                             "12\nx\0--jobs\0"
                             "99999999999999999999\0--output= \0--frame\0\xff")},
      {"name-list-lines", bytesOf("a.jpg\nb c.jpg\n\n\xff\xfe.jpg\nlast.jpg")},
      {"name-list-nul", bytesOf("a\nb.jpg\0\0-n\0--\0last")},
      {"junk", junk(300, 16)},
  };
}

} // namespace veltrane::fuzz
