#pragma once

#include <QColor>
#include <QFont>

class QAbstractScrollArea;
class QWidget;

// The few text styles and colours every panel of the board window shares, derived from the
// desktop's palette and font so that light, dark and custom themes all stay readable.
class InterfaceStyle
{
public:
    static QColor accent(const QWidget* widget, double opacity = 1.0);
    // The text colour at an opacity: "primary at 7 %" and the like.
    static QColor primary(const QWidget* widget, double opacity = 1.0);
    static QColor secondaryText(const QWidget* widget);
    static QColor tertiaryText(const QWidget* widget);
    static QColor windowBackground(const QWidget* widget);
    // A shade darker than the window (lighter on dark themes): what lies behind the board.
    static QColor underPageBackground(const QWidget* widget);
    static QColor controlBackground(const QWidget* widget);
    static QColor textBackground(const QWidget* widget);
    static QColor warning();
    // How a colour looks on a disabled control: the same hue, faded.
    static QColor disabled(const QColor& colour);

    // Slim scroll bars without arrows for the board window's scrolled areas.
    static void useSlimScrollBars(QAbstractScrollArea* area);

    static QFont body();
    static QFont headline();
    static QFont title3();
    static QFont callout();
    static QFont caption();
    // A font the given number of pixels high, with a weight.
    static QFont sized(double pixelSize, QFont::Weight weight = QFont::Normal);
    static QFont weighted(QFont font, QFont::Weight weight);
};
