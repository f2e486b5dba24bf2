#include "ui/SymbolIcon.h"

#include <QApplication>
#include <QHash>
#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QPixmap>

namespace {

// Drawn in a 16 × 16 box with round 1.5-unit strokes; filled shapes use the same colour.
struct Drawing
{
    QPainterPath stroke;
    QPainterPath fill;
};

QPainterPath polyline(std::initializer_list<QPointF> points, bool closed = false)
{
    QPainterPath path;
    auto point = points.begin();
    path.moveTo(*point);
    for (++point; point != points.end(); ++point) {
        path.lineTo(*point);
    }
    if (closed) {
        path.closeSubpath();
    }
    return path;
}

QPainterPath roundedRect(QRectF rect, double radius)
{
    QPainterPath path;
    path.addRoundedRect(rect, radius, radius);
    return path;
}

Drawing tray(bool arrowUp)
{
    Drawing drawing;
    drawing.stroke.addPath(polyline({ { 3, 8.5 }, { 3, 14 }, { 13, 14 }, { 13, 8.5 } }));
    if (arrowUp) {
        drawing.stroke.addPath(polyline({ { 8, 10.5 }, { 8, 1.8 } }));
        drawing.stroke.addPath(polyline({ { 5, 4.8 }, { 8, 1.8 }, { 11, 4.8 } }));
    } else {
        drawing.stroke.addPath(polyline({ { 8, 1.8 }, { 8, 10.5 } }));
        drawing.stroke.addPath(polyline({ { 5, 7.5 }, { 8, 10.5 }, { 11, 7.5 } }));
    }
    return drawing;
}

Drawing grid(bool filled)
{
    Drawing drawing;
    QPainterPath& target = filled ? drawing.fill : drawing.stroke;
    for (const QPointF& origin : { QPointF(2, 2), QPointF(9, 2), QPointF(2, 9), QPointF(9, 9) }) {
        target.addPath(roundedRect(QRectF(origin, QSizeF(5, 5)), 1.2));
    }
    return drawing;
}

std::optional<Drawing> drawingFor(const QString& symbol)
{
    Drawing drawing;
    if (symbol == QLatin1String("plus")) {
        drawing.stroke.addPath(polyline({ { 8, 2.5 }, { 8, 13.5 } }));
        drawing.stroke.addPath(polyline({ { 2.5, 8 }, { 13.5, 8 } }));
    } else if (symbol == QLatin1String("folder")) {
        drawing.stroke.addPath(polyline(
            { { 1.5, 3.5 }, { 6, 3.5 }, { 7.5, 5 }, { 14.5, 5 }, { 14.5, 13.5 }, { 1.5, 13.5 } }, true));
    } else if (symbol == QLatin1String("square.and.arrow.down")) {
        return tray(false);
    } else if (symbol == QLatin1String("square.and.arrow.up")) {
        return tray(true);
    } else if (symbol == QLatin1String("doc.on.doc")) {
        drawing.stroke.addPath(roundedRect(QRectF(5.5, 1.5, 8, 10), 1.5));
        drawing.stroke.addPath(polyline({ { 2.5, 5 }, { 2.5, 14.5 }, { 10, 14.5 } }));
    } else if (symbol == QLatin1String("photo.stack")) {
        drawing.stroke.addPath(roundedRect(QRectF(2, 4.5, 12, 9), 1.5));
        drawing.stroke.addPath(polyline({ { 4, 2.2 }, { 12, 2.2 } }));
        drawing.stroke.addPath(polyline({ { 3.5, 12 }, { 7, 8.5 }, { 9, 10.5 }, { 10.5, 9 }, { 12.5, 11 } }));
    } else if (symbol == QLatin1String("doc.on.clipboard")) {
        drawing.stroke.addPath(roundedRect(QRectF(3, 3, 10, 11.5), 1.5));
        drawing.fill.addPath(roundedRect(QRectF(5.5, 1.3, 5, 3), 1));
        drawing.stroke.addPath(polyline({ { 5.5, 8 }, { 10.5, 8 } }));
        drawing.stroke.addPath(polyline({ { 5.5, 11 }, { 9, 11 } }));
    } else if (symbol == QLatin1String("chevron.left")) {
        drawing.stroke.addPath(polyline({ { 10, 2.5 }, { 4.8, 8 }, { 10, 13.5 } }));
    } else if (symbol == QLatin1String("chevron.right")) {
        drawing.stroke.addPath(polyline({ { 6, 2.5 }, { 11.2, 8 }, { 6, 13.5 } }));
    } else if (symbol == QLatin1String("chevron.down")) {
        drawing.stroke.addPath(polyline({ { 3.5, 6 }, { 8, 10.5 }, { 12.5, 6 } }));
    } else if (symbol == QLatin1String("trash")) {
        drawing.stroke.addPath(polyline({ { 2.5, 4 }, { 13.5, 4 } }));
        drawing.stroke.addPath(polyline({ { 6, 4 }, { 6, 2 }, { 10, 2 }, { 10, 4 } }));
        drawing.stroke.addPath(polyline({ { 4, 4 }, { 5, 14.5 }, { 11, 14.5 }, { 12, 4 } }));
        drawing.stroke.addPath(polyline({ { 7, 6.5 }, { 7, 12 } }));
        drawing.stroke.addPath(polyline({ { 9, 6.5 }, { 9, 12 } }));
    } else if (symbol == QLatin1String("square.grid.2x2")) {
        return grid(false);
    } else if (symbol == QLatin1String("square.grid.2x2.fill")) {
        return grid(true);
    } else if (symbol == QLatin1String("arrow.up.doc")) {
        drawing.stroke.addPath(
            polyline({ { 3.5, 1.5 }, { 9.5, 1.5 }, { 12.5, 4.5 }, { 12.5, 14.5 }, { 3.5, 14.5 } }, true));
        drawing.stroke.addPath(polyline({ { 8, 12 }, { 8, 6 } }));
        drawing.stroke.addPath(polyline({ { 5.5, 8.5 }, { 8, 6 }, { 10.5, 8.5 } }));
    } else if (symbol == QLatin1String("exclamationmark.triangle")) {
        drawing.stroke.addPath(polyline({ { 8, 1.8 }, { 14.8, 13.8 }, { 1.2, 13.8 } }, true));
        drawing.stroke.addPath(polyline({ { 8, 6 }, { 8, 9.3 } }));
        drawing.fill.addEllipse(QPointF(8, 11.6), 0.95, 0.95);
    } else if (symbol == QLatin1String("circle.lefthalf.filled")) {
        drawing.stroke.addEllipse(QPointF(8, 8), 6, 6);
        QPainterPath half;
        half.moveTo(8, 2);
        half.arcTo(QRectF(2, 2, 12, 12), 90, 180);
        half.closeSubpath();
        drawing.fill.addPath(half);
    } else if (symbol == QLatin1String("text.alignleft")) {
        drawing.stroke.addPath(polyline({ { 2, 3.5 }, { 14, 3.5 } }));
        drawing.stroke.addPath(polyline({ { 2, 6.5 }, { 10, 6.5 } }));
        drawing.stroke.addPath(polyline({ { 2, 9.5 }, { 14, 9.5 } }));
        drawing.stroke.addPath(polyline({ { 2, 12.5 }, { 9, 12.5 } }));
    } else {
        return std::nullopt;
    }
    return drawing;
}

class SymbolIconEngine : public QIconEngine
{
public:
    SymbolIconEngine(QString symbol, std::optional<QColor> colour)
        : m_symbol(std::move(symbol))
        , m_colour(colour)
    { }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override
    {
        const std::optional<Drawing> drawing = drawingFor(m_symbol);
        if (!drawing) {
            return;
        }
        QColor colour = m_colour.value_or(QApplication::palette().color(
            mode == QIcon::Disabled ? QPalette::Disabled : QPalette::Active, QPalette::WindowText));
        if (mode == QIcon::Disabled && m_colour) {
            colour.setAlphaF(colour.alphaF() * 0.45f);
        }
        const double side = std::min(rect.width(), rect.height());
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->translate(rect.x() + (rect.width() - side) / 2.0, rect.y() + (rect.height() - side) / 2.0);
        painter->scale(side / 16.0, side / 16.0);
        painter->setPen(QPen(colour, 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter->setBrush(Qt::NoBrush);
        painter->drawPath(drawing->stroke);
        painter->fillPath(drawing->fill, colour);
        painter->restore();
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        QPixmap pixmap(size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        paint(&painter, QRect(QPoint(0, 0), size), mode, state);
        return pixmap;
    }

    QIconEngine* clone() const override { return new SymbolIconEngine(m_symbol, m_colour); }
    QString key() const override { return QStringLiteral("tesserly-symbol"); }

private:
    QString m_symbol;
    std::optional<QColor> m_colour;
};

} // namespace

QString SymbolIcon::themeName(const QString& symbol)
{
    static const QHash<QString, QString> names {
        { QStringLiteral("plus"), QStringLiteral("list-add") },
        { QStringLiteral("folder"), QStringLiteral("document-open") },
        { QStringLiteral("square.and.arrow.down"), QStringLiteral("document-save") },
        { QStringLiteral("square.and.arrow.up"), QStringLiteral("document-export") },
        { QStringLiteral("doc.on.doc"), QStringLiteral("edit-copy") },
        { QStringLiteral("doc.on.clipboard"), QStringLiteral("edit-paste") },
        { QStringLiteral("photo.stack"), QStringLiteral("image-x-generic") },
        { QStringLiteral("chevron.left"), QStringLiteral("go-previous") },
        { QStringLiteral("chevron.right"), QStringLiteral("go-next") },
        { QStringLiteral("trash"), QStringLiteral("edit-delete") },
        { QStringLiteral("exclamationmark.triangle"), QStringLiteral("dialog-warning") },
        { QStringLiteral("text.alignleft"), QStringLiteral("format-justify-left") },
    };
    return names.value(symbol);
}

bool SymbolIcon::hasDrawing(const QString& symbol)
{
    return drawingFor(symbol).has_value();
}

QIcon SymbolIcon::drawn(const QString& symbol, std::optional<QColor> colour)
{
    return QIcon(new SymbolIconEngine(symbol, colour));
}

QIcon SymbolIcon::icon(const QString& symbol)
{
    const QString name = themeName(symbol);
    if (!name.isEmpty() && QIcon::hasThemeIcon(name)) {
        const QIcon themed = QIcon::fromTheme(name);
        // A theme may list the name but ship only images no installed plugin can read (SVG).
        if (!themed.pixmap(QSize(16, 16)).isNull()) {
            return themed;
        }
    }
    return drawn(symbol);
}
