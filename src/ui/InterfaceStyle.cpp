#include "ui/InterfaceStyle.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QFontInfo>
#include <QPalette>
#include <QScrollBar>
#include <QWidget>

namespace {

QPalette paletteOf(const QWidget* widget)
{
    return widget ? widget->palette() : QApplication::palette();
}

QColor withOpacity(QColor colour, double opacity)
{
    colour.setAlphaF(float(colour.alphaF() * opacity));
    return colour;
}

bool isDark(const QPalette& palette)
{
    return palette.color(QPalette::Window).lightnessF() < 0.5;
}

double bodyPixelSize()
{
    const QFont font = QApplication::font();
    const double pixels = QFontInfo(font).pixelSize();
    return pixels > 0 ? pixels : 13.0;
}

} // namespace

QColor InterfaceStyle::accent(const QWidget* widget, double opacity)
{
    return withOpacity(paletteOf(widget).color(QPalette::Active, QPalette::Highlight), opacity);
}

QColor InterfaceStyle::primary(const QWidget* widget, double opacity)
{
    return withOpacity(paletteOf(widget).color(QPalette::Active, QPalette::WindowText), opacity);
}

QColor InterfaceStyle::secondaryText(const QWidget* widget)
{
    return primary(widget, 0.6);
}

QColor InterfaceStyle::tertiaryText(const QWidget* widget)
{
    return primary(widget, 0.4);
}

QColor InterfaceStyle::windowBackground(const QWidget* widget)
{
    return paletteOf(widget).color(QPalette::Active, QPalette::Window);
}

QColor InterfaceStyle::underPageBackground(const QWidget* widget)
{
    const QPalette palette = paletteOf(widget);
    const QColor window = palette.color(QPalette::Active, QPalette::Window);
    return isDark(palette) ? window.darker(125) : window.darker(108);
}

QColor InterfaceStyle::controlBackground(const QWidget* widget)
{
    return paletteOf(widget).color(QPalette::Active, QPalette::Base);
}

QColor InterfaceStyle::textBackground(const QWidget* widget)
{
    return paletteOf(widget).color(QPalette::Active, QPalette::Base);
}

QColor InterfaceStyle::warning()
{
    return QColor(230, 126, 0);
}

QColor InterfaceStyle::disabled(const QColor& colour)
{
    return withOpacity(colour, 0.45);
}

QFont InterfaceStyle::body()
{
    return QApplication::font();
}

QFont InterfaceStyle::headline()
{
    return weighted(body(), QFont::Bold);
}

QFont InterfaceStyle::title3()
{
    return sized(bodyPixelSize() * 1.2, QFont::DemiBold);
}

QFont InterfaceStyle::callout()
{
    return sized(bodyPixelSize() * 0.95);
}

QFont InterfaceStyle::caption()
{
    return sized(std::max(10.0, bodyPixelSize() * 0.85));
}

QFont InterfaceStyle::sized(double pixelSize, QFont::Weight weight)
{
    QFont font = QApplication::font();
    font.setPixelSize(qMax(1, qRound(pixelSize)));
    font.setWeight(weight);
    return font;
}

QFont InterfaceStyle::weighted(QFont font, QFont::Weight weight)
{
    font.setWeight(weight);
    return font;
}

void InterfaceStyle::useSlimScrollBars(QAbstractScrollArea* area)
{
    const QString handle = primary(nullptr, 0.28).name(QColor::HexArgb);
    const QString hover = primary(nullptr, 0.45).name(QColor::HexArgb);
    const QString sheet = QStringLiteral(
        "QScrollBar { background: transparent; border: none; margin: 1px; }"
        "QScrollBar:horizontal { height: 9px; } QScrollBar:vertical { width: 9px; }"
        "QScrollBar::handle { background: %1; border-radius: 3px; }"
        "QScrollBar::handle:hover { background: %2; }"
        "QScrollBar::handle:horizontal { min-width: 28px; } QScrollBar::handle:vertical { min-height: 28px; }"
        "QScrollBar::add-line, QScrollBar::sub-line { width: 0; height: 0; border: none; background: none; }"
        "QScrollBar::add-page, QScrollBar::sub-page { background: none; }")
                              .arg(handle, hover);
    area->horizontalScrollBar()->setStyleSheet(sheet);
    area->verticalScrollBar()->setStyleSheet(sheet);
}
