#include "ui/JobAreaForm.h"
#include "ui/WindowText.h"

#include "presets/OutputFormat.h"
#include "ui/FormParts.h"
#include "ui/MainWindowForm.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace veltrane {

using namespace formparts;

namespace {

QComboBox *sizeBox(QWidget *parent, const char *name, const QStringList &entries) {
  auto *box = named(new QComboBox(parent), name);
  box->setEditable(true);
  box->setInsertPolicy(QComboBox::NoInsert);
  box->addItems(entries);
  // Typing "1" must not complete to "1024".
  box->setCompleter(nullptr);
  box->setFixedWidth(68);
  return box;
}

QComboBox *listBox(QWidget *parent, const char *name, const QStringList &entries, int width) {
  auto *box = named(new QComboBox(parent), name);
  box->addItems(entries);
  box->setFixedWidth(width);
  return box;
}

QLineEdit *numberBox(QWidget *parent, const char *name, const QString &tooltip = {}) {
  auto *box = named(new QLineEdit(parent), name, tooltip);
  box->setFixedWidth(40);
  box->setAlignment(Qt::AlignRight);
  return box;
}

QStringList gridNumbers() {
  QStringList numbers;
  for (int n = 1; n <= 8; ++n)
    numbers.append(QString::number(n));
  return numbers;
}

QGroupBox *buildSizeGroup(QWidget *parent, MainWindowForm &form) {
  auto *box = group(parent);
  auto *grid = tight(new QGridLayout(box), 3);
  form.widthOn = checkBox(box, "widthOn", MainWindowText::tr("maximum width"));
  form.maxWidth = sizeBox(box, "maxWidth",
                          {QStringLiteral("320"), QStringLiteral("640"), QStringLiteral("800"),
                           QStringLiteral("1024"), QStringLiteral("1280"), QStringLiteral("1600"),
                           QStringLiteral("1920"), QStringLiteral("screen")});
  form.heightOn = checkBox(box, "heightOn", MainWindowText::tr("maximum height"));
  form.maxHeight = sizeBox(box, "maxHeight",
                           {QStringLiteral("200"), QStringLiteral("480"), QStringLiteral("600"),
                            QStringLiteral("768"), QStringLiteral("900"), QStringLiteral("1080"),
                            QStringLiteral("1200"), QStringLiteral("screen")});
  // In the order of boxModeWords().
  form.boxMode = listBox(
      box, "boxMode",
      {MainWindowText::tr("stretch"), MainWindowText::tr("fit inside"), MainWindowText::tr("fill")}, 96);
  form.boxMode->setToolTip(
      MainWindowText::tr("With both limits on: stretch pictures to exactly that size, fit "
                         "them inside it, or fill it and crop the overflow from the centre"));
  form.neverEnlarge = checkBox(box, "neverEnlarge", MainWindowText::tr("never enlarge"),
                               MainWindowText::tr("Pictures already inside the limits keep their own size"));
  form.swapForUpright = checkBox(box, "swapForUpright", MainWindowText::tr("also apply to vertical pictures"),
                                 MainWindowText::tr("eg: 600x800 will be rescaled as 800x600"));
  form.manualSize =
      checkBox(box, "manualSize", MainWindowText::tr("manual adjustment"),
               MainWindowText::tr("Stretch/shrink the borders of preview window to set width & height to "
                                  "resize to"));
  form.showPreview = checkBox(box, "showPreview", MainWindowText::tr("preview"),
                              MainWindowText::tr("Show/hide preview window"));
  // Pairs that belong together share a row: the window has no height to spare.
  const auto pair = [](QWidget *first, QWidget *second) {
    auto *row = new QHBoxLayout;
    row->setSpacing(6);
    row->addWidget(first);
    row->addWidget(second);
    row->addStretch(1);
    return row;
  };
  grid->addWidget(form.widthOn, 0, 0);
  grid->addWidget(form.maxWidth, 0, 1, Qt::AlignRight);
  grid->addWidget(form.heightOn, 1, 0);
  grid->addWidget(form.maxHeight, 1, 1, Qt::AlignRight);
  grid->addLayout(pair(form.boxMode, form.neverEnlarge), 2, 0, 1, 2);
  grid->addWidget(form.swapForUpright, 3, 0, 1, 2);
  grid->addLayout(pair(form.manualSize, form.showPreview), 4, 0, 1, 2);
  grid->setRowStretch(5, 1);
  // The switches take all the room the size lists leave, whatever their
  // captions' lengths, so a caption's place does not move as others are fitted.
  grid->setColumnStretch(0, 1);
  return box;
}

QGroupBox *buildQualityGroup(QWidget *parent, MainWindowForm &form) {
  auto *box = group(parent);
  auto *grid = tight(new QGridLayout(box), 3);
  form.fixedQualityOption =
      named(new QRadioButton(MainWindowText::tr("fixed quality"), box), "fixedQualityOption");
  form.fixedQuality =
      numberBox(box, "fixedQuality", MainWindowText::tr("1 (minimum quality) to 100 (maximum quality)"));
  form.fixedQualityUnit = label(box, "fixedQualityUnit", QStringLiteral("%"));
  form.sizeLimitOption =
      named(new QRadioButton(MainWindowText::tr("file size below"), box), "sizeLimitOption");
  form.sizeLimitKb = numberBox(box, "sizeLimitKb");
  form.sizeLimitUnit = label(box, "sizeLimitUnit", MainWindowText::tr("kB"));
  grid->addWidget(form.fixedQualityOption, 0, 0);
  grid->addWidget(form.fixedQuality, 0, 1);
  grid->addWidget(form.fixedQualityUnit, 0, 2);
  grid->addWidget(form.sizeLimitOption, 1, 0);
  grid->addWidget(form.sizeLimitKb, 1, 1);
  grid->addWidget(form.sizeLimitUnit, 1, 2);
  // The format beside the quality, which means each format's own scale.
  form.formatLabel = label(box, "formatLabel", MainWindowText::tr("format"));
  // The formats' names are the same in every language; the last entry is not.
  QStringList formats = formatCaptions();
  formats.last() = MainWindowText::tr("same as source");
  form.outputFormat = listBox(box, "outputFormat", formats, 124);
  form.outputFormat->setToolTip(
      MainWindowText::tr("The format of the resized pictures; \"same as source\" writes "
                         "PNG for GIF, BMP and TIFF, and JPEG for HEIC"));
  form.formatLabel->setBuddy(form.outputFormat);
  auto *formatRow = new QHBoxLayout;
  formatRow->addWidget(form.formatLabel);
  formatRow->addStretch(1);
  formatRow->addWidget(form.outputFormat);
  grid->addLayout(formatRow, 2, 0, 1, 3);
  grid->setColumnStretch(0, 1);
  return box;
}

QGroupBox *buildFrameGroup(QWidget *parent, MainWindowForm &form) {
  auto *box = group(parent);
  auto *row = tight(new QHBoxLayout(box));
  auto *frameLabel = new QLabel(MainWindowText::tr("frame"), box);
  form.frame = named(new QComboBox(box), "frame", MainWindowText::tr("Put every picture in a frame"));
  form.frame->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  form.frame->setMinimumContentsLength(8);
  frameLabel->setBuddy(form.frame);
  row->addWidget(frameLabel);
  row->addWidget(form.frame, 1);
  return box;
}

// Beside the index sheets, above the folder: what the outputs are called.
QGroupBox *buildSuffixGroup(QWidget *parent, MainWindowForm &form) {
  auto *box = group(parent);
  auto *rows = tight(new QVBoxLayout(box));
  form.addSuffix = checkBox(
      box, "addSuffix", MainWindowText::tr("Extension"),
      QStringLiteral(
          "Add the suffix to the names of the resized images; an existing file is never overwritten"));
  form.suffixTemplate = named(new QLineEdit(box), "suffixTemplate",
                              MainWindowText::tr("This will be added to the filename of the resized images"));
  rows->addWidget(form.addSuffix);
  rows->addWidget(form.suffixTemplate);
  box->setFixedWidth(140);
  return box;
}

QGroupBox *buildIndexGroup(QWidget *parent, MainWindowForm &form) {
  auto *box = group(parent);
  auto *rows = tight(new QVBoxLayout(box));
  auto *layout = new QHBoxLayout;
  layout->setSpacing(6);
  form.sheetMode =
      listBox(box, "sheetMode",
              {MainWindowText::tr("don't"), MainWindowText::tr("also"), MainWindowText::tr("only")}, 72);
  form.sheetMode->setToolTip(MainWindowText::tr("Make index sheets (contact sheets) of the pictures"));
  form.sheetLabel = label(box, "sheetLabel", MainWindowText::tr("index"));
  form.sheetWithLabel = label(box, "sheetWithLabel", MainWindowText::tr("with"));
  form.sheetColumns = listBox(box, "sheetColumns", gridNumbers(), 48);
  form.sheetColumns->setToolTip(MainWindowText::tr("Pictures across a sheet"));
  form.sheetTimesLabel = label(box, "sheetTimesLabel", MainWindowText::tr("x"));
  form.sheetRows = listBox(box, "sheetRows", gridNumbers(), 48);
  form.sheetRows->setToolTip(MainWindowText::tr("Pictures down a sheet"));
  form.captionNames = checkBox(box, "captionNames", MainWindowText::tr("names"));
  form.captionSizes = checkBox(box, "captionSizes", MainWindowText::tr("image size"));
  form.captionFileSizes = checkBox(box, "captionFileSizes", MainWindowText::tr("filesize"));
  layout->addWidget(form.sheetMode);
  layout->addWidget(form.sheetLabel);
  layout->addWidget(form.sheetWithLabel);
  layout->addWidget(form.sheetColumns);
  layout->addWidget(form.sheetTimesLabel);
  layout->addWidget(form.sheetRows);
  layout->addStretch(1);
  auto *captions = new QHBoxLayout;
  captions->setSpacing(12);
  captions->addWidget(form.captionNames);
  captions->addWidget(form.captionSizes);
  captions->addWidget(form.captionFileSizes);
  captions->addStretch(1);
  rows->addLayout(layout);
  rows->addLayout(captions);
  return box;
}

} // namespace

void buildJobArea(QWidget *window, MainWindowForm &form, const QRect &place) {
  auto *area = new QWidget(window);
  area->setGeometry(place);
  auto *layout = new QVBoxLayout(area);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(7);

  auto *presetRow = new QHBoxLayout;
  presetRow->setSpacing(4);
  form.presets = named(new QComboBox(area), "presets",
                       MainWindowText::tr("Write new name here and click + to create a new preset"));
  form.presets->setEditable(true);
  form.presets->setInsertPolicy(QComboBox::NoInsert);
  form.presets->setCompleter(nullptr);
  form.presets->setMaxVisibleItems(20);
  form.addPreset = named(new QPushButton(QStringLiteral("+"), area), "addPreset",
                         MainWindowText::tr("Create a new preset with current parameters"));
  form.removePreset = named(new QPushButton(QStringLiteral("-"), area), "removePreset",
                            MainWindowText::tr("Remove current preset"));
  for (QPushButton *button : {form.addPreset, form.removePreset})
    button->setFixedWidth(30);
  presetRow->addWidget(form.presets, 1);
  presetRow->addWidget(form.addPreset);
  presetRow->addWidget(form.removePreset);
  layout->addLayout(presetRow);

  auto *columns = new QHBoxLayout;
  columns->setSpacing(6);
  // The size switches have the longest captions.
  QGroupBox *sizes = buildSizeGroup(area, form);
  sizes->setFixedWidth(236);
  columns->addWidget(sizes);
  auto *right = new QVBoxLayout;
  right->setSpacing(6);
  right->addWidget(buildQualityGroup(area, form));
  right->addWidget(buildFrameGroup(area, form));
  right->addStretch(1);
  columns->addLayout(right, 1);
  layout->addLayout(columns);
  auto *bottom = new QHBoxLayout;
  bottom->setSpacing(6);
  bottom->addWidget(buildIndexGroup(area, form), 1);
  bottom->addWidget(buildSuffixGroup(area, form));
  layout->addLayout(bottom);
  layout->addStretch(1);
}

} // namespace veltrane
