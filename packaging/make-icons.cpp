// Draws the programs' desktop icon: a rounded plate with a radio mast sending waves. One drawing, kept as
// paths, gives both the scalable SVG and the PNGs of every size the hicolor theme holds.
// Usage: tunelark_make_icons <icon theme folder>; writes scalable/apps/tunelark.svg and
// <N>x<N>/apps/tunelark.png.

#include "assets/generator-main.h"

#include <QPainter>
#include <QPainterPath>
#include <QSaveFile>
#include <vector>

namespace {

constexpr int kCanvas = 256; // the drawing's own units; the SVG's view box
const int kSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};
const QString kName = QStringLiteral("tunelark");

// One filled and/or stroked path. A fill runs from `top` at the path's top to `bottom` at its foot.
struct Layer {
    QPainterPath path;
    QColor top, bottom; // invalid: no fill
    QColor stroke;      // invalid: no stroke
    qreal strokeWidth = 0;
};

QPainterPath Arc(const QPointF &centre, qreal radius, qreal startDegrees, qreal spanDegrees) {
    const QRectF box(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    QPainterPath path;
    path.arcMoveTo(box, startDegrees);
    path.arcTo(box, startDegrees, spanDegrees);
    return path;
}

std::vector<Layer> Drawing() {
    const QColor gold(0xc9, 0xa4, 0x5c);
    const QColor light(0xf2, 0xd0, 0x8a);
    std::vector<Layer> layers;
    QPainterPath plate;
    plate.addRoundedRect(QRectF(16, 16, 224, 224), 44, 44);
    layers.push_back({plate, QColor(0x2f, 0x4a, 0x6b), QColor(0x14, 0x22, 0x33), gold, 6});
    QPainterPath mast;
    mast.moveTo(100, 208);
    mast.lineTo(128, 118);
    mast.lineTo(156, 208);
    mast.moveTo(110, 178);
    mast.lineTo(146, 178);
    layers.push_back({mast, {}, {}, gold, 11});
    const QPointF tip(128, 104);
    QPainterPath dot;
    dot.addEllipse(tip, 15, 15);
    layers.push_back({dot, light, light, {}, 0});
    for (int wave = 0; wave < 3; ++wave) {
        QColor colour = light;
        colour.setAlphaF(1.0 - 0.25 * wave);
        const qreal radius = 40 + 24 * wave;
        for (const qreal start : {-35.0, 145.0})
            layers.push_back({Arc(tip, radius, start, 70), {}, {}, colour, 11});
    }
    return layers;
}

QPen StrokePen(const Layer &layer) {
    QPen pen(layer.stroke, layer.strokeWidth);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

QImage Render(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(qreal(size) / kCanvas, qreal(size) / kCanvas);
    for (const Layer &layer : Drawing()) {
        if (layer.top.isValid()) {
            const QRectF box = layer.path.boundingRect();
            QLinearGradient fill(box.topLeft(), box.bottomLeft());
            fill.setColorAt(0, layer.top);
            fill.setColorAt(1, layer.bottom);
            painter.fillPath(layer.path, fill);
        }
        if (layer.stroke.isValid())
            painter.strokePath(layer.path, StrokePen(layer));
    }
    return image;
}

QString Number(qreal value) { return QString::number(value, 'f', 2); }

// The path as SVG path data: QPainterPath keeps arcs and curves as cubic Béziers.
QString PathData(const QPainterPath &path) {
    QString data;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        if (e.isMoveTo()) {
            data += QStringLiteral("M%1 %2 ").arg(Number(e.x), Number(e.y));
        } else if (e.isLineTo()) {
            data += QStringLiteral("L%1 %2 ").arg(Number(e.x), Number(e.y));
        } else {
            const QPainterPath::Element c2 = path.elementAt(i + 1), end = path.elementAt(i + 2);
            data +=
                QStringLiteral("C%1 %2 %3 %4 %5 %6 ")
                    .arg(Number(e.x), Number(e.y), Number(c2.x), Number(c2.y), Number(end.x), Number(end.y));
            i += 2;
        }
    }
    return data.trimmed();
}

QString Paint(const QColor &colour, const char *what) {
    return QStringLiteral(" %1=\"%2\" %1-opacity=\"%3\"")
        .arg(QLatin1String(what), colour.name(QColor::HexRgb), Number(colour.alphaF()));
}

QByteArray Svg() {
    QString defs, paths;
    int gradient = 0;
    for (const Layer &layer : Drawing()) {
        QString attributes = QStringLiteral(" fill=\"none\"");
        if (layer.top.isValid()) {
            const QRectF box = layer.path.boundingRect();
            const QString id = QStringLiteral("fill%1").arg(gradient++);
            defs +=
                QStringLiteral("    <linearGradient id=\"%1\" gradientUnits=\"userSpaceOnUse\" x1=\"0\" "
                               "y1=\"%2\" x2=\"0\" y2=\"%3\">\n"
                               "      <stop offset=\"0\" stop-color=\"%4\"/>\n"
                               "      <stop offset=\"1\" stop-color=\"%5\"/>\n    </linearGradient>\n")
                    .arg(id, Number(box.top()), Number(box.bottom()), layer.top.name(), layer.bottom.name());
            attributes = QStringLiteral(" fill=\"url(#%1)\"").arg(id);
        }
        if (layer.stroke.isValid())
            attributes +=
                Paint(layer.stroke, "stroke") +
                QStringLiteral(" stroke-width=\"%1\" stroke-linecap=\"round\" stroke-linejoin=\"round\"")
                    .arg(Number(layer.strokeWidth));
        paths += QStringLiteral("  <path d=\"%1\"%2/>\n").arg(PathData(layer.path), attributes);
    }
    return QStringLiteral(
               "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
               "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%1\" viewBox=\"0 0 %1 %1\">\n"
               "  <defs>\n%2  </defs>\n%3</svg>\n")
        .arg(kCanvas)
        .arg(defs, paths)
        .toUtf8();
}

bool WriteFile(const QString &path, const QByteArray &content) {
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size() && file.commit();
}

QString Generate(const QDir &theme) {
    const QString scalable = QStringLiteral("scalable/apps");
    if (!theme.mkpath(scalable) || !WriteFile(theme.filePath(scalable + u'/' + kName + ".svg"), Svg()))
        return QStringLiteral("cannot write the scalable icon");
    for (const int size : kSizes) {
        const QString folder = QStringLiteral("%1x%1/apps").arg(size);
        if (!theme.mkpath(folder) ||
            !skinart::WriteImageFile(Render(size), theme.filePath(folder + u'/' + kName + ".png"), "PNG"))
            return QStringLiteral("cannot write the %1 px icon").arg(size);
    }
    return QString();
}

} // namespace

int main(int argc, char *argv[]) { return skinart::RunGenerator(argc, argv, Generate); }
