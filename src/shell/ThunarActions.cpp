// Thunar keeps every custom action of the user's in one file, uca.xml: ours
// is put in or taken out with every other action kept as it was.
#include "shell/FileManagerMenu.h"

#include <QXmlStreamReader>
#include <QXmlStreamWriter>

namespace veltrane {
namespace {

// An element with its attributes and children, or a text or comment.
struct XmlNode {
  QXmlStreamReader::TokenType type = QXmlStreamReader::StartElement;
  QString name;
  QXmlStreamAttributes attributes;
  QString text;
  QList<XmlNode> children;

  QString childText(const QString &child) const {
    for (const XmlNode &node : children)
      if (node.type == QXmlStreamReader::StartElement && node.name == child) {
        QString joined;
        for (const XmlNode &part : node.children)
          if (part.type == QXmlStreamReader::Characters)
            joined += part.text;
        return joined.trimmed();
      }
    return {};
  }
};

// Deep enough for any real uca.xml; a deeper file is refused rather than
// risking the stack.
constexpr int kMaxDepth = 64;

bool readChildren(QXmlStreamReader &reader, XmlNode &parent, int depth) {
  while (!reader.atEnd()) {
    switch (reader.readNext()) {
    case QXmlStreamReader::StartElement: {
      if (depth >= kMaxDepth)
        return false;
      XmlNode node;
      node.name = reader.name().toString();
      node.attributes = reader.attributes();
      if (!readChildren(reader, node, depth + 1))
        return false;
      parent.children.append(std::move(node));
      break;
    }
    case QXmlStreamReader::EndElement: return true;
    case QXmlStreamReader::Characters:
      if (!reader.isWhitespace())
        parent.children.append({QXmlStreamReader::Characters, {}, {}, reader.text().toString(), {}});
      break;
    case QXmlStreamReader::Comment:
      parent.children.append({QXmlStreamReader::Comment, {}, {}, reader.text().toString(), {}});
      break;
    default: break;
    }
  }
  return !reader.hasError();
}

void write(QXmlStreamWriter &writer, const XmlNode &node) {
  switch (node.type) {
  case QXmlStreamReader::Characters: writer.writeCharacters(node.text); return;
  case QXmlStreamReader::Comment: writer.writeComment(node.text); return;
  default: break;
  }
  writer.writeStartElement(node.name);
  writer.writeAttributes(node.attributes);
  for (const XmlNode &child : node.children)
    write(writer, child);
  writer.writeEndElement();
}

XmlNode element(const QString &name, const QString &text = {}) {
  XmlNode node;
  node.name = name;
  if (!text.isEmpty())
    node.children.append({QXmlStreamReader::Characters, {}, {}, text, {}});
  return node;
}

QString uniqueId(PictureKinds kinds) {
  return kinds == PictureKinds::Jpeg ? QStringLiteral("veltrane-jpeg") : QStringLiteral("veltrane-bmp-gif");
}

XmlNode ourAction(PictureKinds kinds, const QString &command) {
  XmlNode action = element(QStringLiteral("action"));
  action.children = {
      element(QStringLiteral("icon"), QStringLiteral("org.veltrane.Veltrane")),
      element(QStringLiteral("name"), QStringLiteral("Resize/Resample")),
      element(QStringLiteral("unique-id"), uniqueId(kinds)),
      element(QStringLiteral("command"), command),
      element(QStringLiteral("description"), QStringLiteral("Add the pictures to Veltrane's list")),
      element(QStringLiteral("patterns"), kinds == PictureKinds::Jpeg
                                              ? QStringLiteral("*.jpg;*.jpeg;*.JPG;*.JPEG;*.Jpg;*.Jpeg")
                                              : QStringLiteral("*.bmp;*.gif;*.BMP;*.GIF;*.Bmp;*.Gif")),
      element(QStringLiteral("image-files")),
  };
  return action;
}

} // namespace

Result<QByteArray> mergeThunarActions(const QByteArray &existing, PictureKinds kinds, const QString &command,
                                      bool ours) {
  XmlNode document;
  if (existing.trimmed().isEmpty()) {
    document.children.append(element(QStringLiteral("actions")));
  } else {
    QXmlStreamReader reader(existing);
    if (!readChildren(reader, document, 0))
      return failure(QStringLiteral("it is not well-formed XML (%1, line %2)")
                         .arg(reader.hasError() ? reader.errorString() : QStringLiteral("nested too deeply"))
                         .arg(reader.lineNumber()));
  }
  XmlNode *root = nullptr;
  for (XmlNode &node : document.children)
    if (node.type == QXmlStreamReader::StartElement)
      root = &node;
  if (!root || root->name != QLatin1String("actions"))
    return failure(QStringLiteral("it holds no Thunar actions"));

  QList<XmlNode> kept;
  for (XmlNode &node : root->children)
    if (!(node.type == QXmlStreamReader::StartElement && node.name == QLatin1String("action") &&
          node.childText(QStringLiteral("unique-id")) == uniqueId(kinds)))
      kept.append(std::move(node));
  if (ours)
    kept.append(ourAction(kinds, command));
  root->children = std::move(kept);

  QByteArray bytes;
  QXmlStreamWriter writer(&bytes);
  writer.setAutoFormatting(true);
  writer.setAutoFormattingIndent(-1); // tabs, as Thunar writes it
  writer.writeStartDocument();
  for (const XmlNode &node : document.children)
    write(writer, node);
  writer.writeEndDocument();
  return bytes;
}

bool thunarHasAction(const QByteArray &existing, PictureKinds kinds, const QString &command) {
  QXmlStreamReader reader(existing);
  XmlNode document;
  if (!readChildren(reader, document, 0))
    return false;
  for (const XmlNode &root : document.children)
    for (const XmlNode &node : root.children)
      if (node.name == QLatin1String("action") &&
          node.childText(QStringLiteral("unique-id")) == uniqueId(kinds))
        return command.isEmpty() || node.childText(QStringLiteral("command")) == command;
  return false;
}

} // namespace veltrane
