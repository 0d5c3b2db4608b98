#include "ui/artwork/program_icon.h"

#include <QPainter>
#include <QTransform>

#include "ui/artwork/painting.h"

namespace artwork {

namespace {

const QColor kFelt(22, 110, 58);
const QColor kFeltEdge(10, 64, 32);
const QColor kCardFace(255, 255, 253);
const QColor kCardEdge(70, 70, 80);
const QColor kBack(34, 70, 150);
const QColor kBackPattern(120, 160, 220);

// A card of the table's size, grown to `height` units, turned by `degrees`
// about its own centre and put with that centre at `centre`.
QTransform CardPlace(QPointF centre, qreal height, qreal degrees) {
  const qreal scale = height / kCardH;
  QTransform t;
  t.translate(centre.x(), centre.y());
  t.rotate(degrees);
  t.scale(scale, scale);
  t.translate(-kCardW / 2, -kCardH / 2);
  return t;
}

QPainterPath RoundedSquare(qreal margin, qreal radius) {
  QPainterPath path;
  path.addRoundedRect(QRectF(margin, margin, kIconUnits - 2 * margin, kIconUnits - 2 * margin),
                      radius, radius);
  return path;
}

// The back card's lattice: diagonal bars clipped to an inner frame.
QPainterPath BackLattice() {
  QPainterPath bars;
  for (qreal x = -kCardH; x < kCardW + kCardH; x += 12) {
    QPainterPath bar;
    bar.addRect(QRectF(x, -10, 4, kCardH + 20));
    bars.addPath(QTransform()
                     .translate(x + 2, kCardH / 2)
                     .rotate(35)
                     .translate(-x - 2, -kCardH / 2)
                     .map(bar));
  }
  QPainterPath frame;
  frame.addRoundedRect(QRectF(7, 7, kCardW - 14, kCardH - 14), 3, 3);
  return bars.intersected(frame);
}

QPainterPath Pip(int suit, QPointF centre, qreal width) {
  return QTransform().translate(centre.x(), centre.y()).scale(width, width).map(SuitPip(suit));
}

}  // namespace

std::vector<IconShape> ProgramIconShapes(int suit) {
  std::vector<IconShape> shapes;
  shapes.push_back({RoundedSquare(8, 40), kFelt, kFeltEdge, 6});
  const QTransform back = CardPlace(QPointF(104, 132), 168, -14);
  shapes.push_back({back.map(CardOutline()), kCardFace, kCardEdge, 3});
  QPainterPath inner;
  inner.addRoundedRect(QRectF(6, 6, kCardW - 12, kCardH - 12), 3, 3);
  shapes.push_back({back.map(inner), kBack, Qt::transparent, 0});
  shapes.push_back({back.map(BackLattice()), kBackPattern, Qt::transparent, 0});
  const QTransform front = CardPlace(QPointF(152, 124), 168, 12);
  shapes.push_back({front.map(CardOutline()), kCardFace, kCardEdge, 3});
  shapes.push_back({front.map(Pip(suit, QPointF(kCardW / 2, kCardH / 2), 40)), SuitColour(suit),
                    Qt::transparent, 0});
  shapes.push_back(
      {front.map(Pip(suit, QPointF(11, 30), 11)), SuitColour(suit), Qt::transparent, 0});
  return shapes;
}

QImage PaintProgramIcon(int suit, int size) {
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(qreal(size) / kIconUnits, qreal(size) / kIconUnits);
  for (const IconShape& s : ProgramIconShapes(suit)) {
    if (s.fill.alpha() > 0) p.fillPath(s.outline, s.fill);
    if (s.stroke.alpha() > 0) p.strokePath(s.outline, QPen(s.stroke, s.strokeWidth));
  }
  return image;
}

namespace {

QString Number(qreal v) {
  return QString::number(v, 'f', 2);
}

// An outline as SVG path data: moves, lines and cubic curves, which is all
// a QPainterPath is made of. A subpath that ends where it began is closed.
QString PathData(const QPainterPath& path) {
  QString d;
  QPointF start, at;
  const auto closeIfBack = [&] {
    if (!d.isEmpty() && at == start) d += QLatin1Char('Z');
  };
  for (int i = 0; i < path.elementCount(); ++i) {
    const QPainterPath::Element e = path.elementAt(i);
    if (e.isMoveTo()) {
      closeIfBack();
      d += QStringLiteral("M%1 %2").arg(Number(e.x), Number(e.y));
      start = at = e;
    } else if (e.isLineTo()) {
      d += QStringLiteral("L%1 %2").arg(Number(e.x), Number(e.y));
      at = e;
    } else if (e.isCurveTo() && i + 2 < path.elementCount()) {
      const QPainterPath::Element c2 = path.elementAt(i + 1);
      const QPainterPath::Element to = path.elementAt(i + 2);
      d += QStringLiteral("C%1 %2 %3 %4 %5 %6")
               .arg(Number(e.x), Number(e.y), Number(c2.x), Number(c2.y), Number(to.x),
                    Number(to.y));
      at = to;
      i += 2;
    }
  }
  closeIfBack();
  return d;
}

QString Colour(const QColor& c) {
  return c.alpha() == 0 ? QStringLiteral("none") : c.name(QColor::HexRgb);
}

}  // namespace

QString ProgramIconSvg(int suit) {
  QString svg = QStringLiteral(
                    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                    "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%1\" "
                    "viewBox=\"0 0 %1 %1\">\n")
                    .arg(kIconUnits);
  for (const IconShape& s : ProgramIconShapes(suit)) {
    const QString rule = s.outline.fillRule() == Qt::WindingFill ? QStringLiteral("nonzero")
                                                                 : QStringLiteral("evenodd");
    svg += QStringLiteral("  <path d=\"%1\" fill=\"%2\" fill-rule=\"%3\" stroke=\"%4\"")
               .arg(PathData(s.outline), Colour(s.fill), rule, Colour(s.stroke));
    if (s.stroke.alpha() > 0)
      svg += QStringLiteral(" stroke-width=\"%1\"").arg(Number(s.strokeWidth));
    svg += QStringLiteral("/>\n");
  }
  svg += QStringLiteral("</svg>\n");
  return svg;
}

}  // namespace artwork
