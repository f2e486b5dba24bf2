#include "ui/BackgroundButton.h"

#include "ui/InterfaceStyle.h"
#include "ui/SymbolIcon.h"

#include <QCoreApplication>
#include <QPainter>

BackgroundButton::BackgroundButton(BoardBackground background, QWidget* parent)
    : QAbstractButton(parent)
    , m_background(background)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setFocusPolicy(Qt::TabFocus);
    setCursor(Qt::PointingHandCursor);
    setText(displayName(background));
    setAccessibleName(
        QCoreApplication::translate("BackgroundButton", "%1 board background").arg(displayName(background)));
    setAccessibleDescription(QCoreApplication::translate("BackgroundButton", "Not selected"));
}

QString BackgroundButton::displayName(BoardBackground background)
{
    // The option's own title, in the application's language.
    return title(background);
}

void BackgroundButton::setSelected(bool selected)
{
    if (selected == m_selected) {
        return;
    }
    m_selected = selected;
    setAccessibleDescription(selected ? QCoreApplication::translate("BackgroundButton", "Selected")
                                      : QCoreApplication::translate("BackgroundButton", "Not selected"));
    update();
}

QSize BackgroundButton::sizeHint() const
{
    return QSize(9 + 32 + 8 + fontMetrics().horizontalAdvance(text()) + 9, 9 + 32 + 9);
}

void BackgroundButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const double opacity = isEnabled() ? 1.0 : 0.5;
    painter.setOpacity(opacity);
    const QRectF whole = QRectF(rect()).adjusted(0.75, 0.75, -0.75, -0.75);
    painter.setBrush(m_selected ? InterfaceStyle::accent(this, 0.07) : InterfaceStyle::primary(this, 0.025));
    painter.setPen(
        m_selected ? QPen(InterfaceStyle::accent(this), 1.5) : QPen(InterfaceStyle::primary(this, 0.11), 1));
    painter.drawRoundedRect(whole, 9, 9);

    const QRectF swatch(9, (height() - 32) / 2.0, 32, 32);
    painter.setBrush(canvasColor(m_background));
    painter.setPen(QPen(InterfaceStyle::primary(this, 0.12), 1));
    painter.drawRoundedRect(swatch.adjusted(0.5, 0.5, -0.5, -0.5), 5, 5);
    QColor symbol = QColor::fromRgbF(0, 0, 0);
    const float level = m_background == BoardBackground::light ? 0.38f : 0.70f;
    symbol.setRgbF(level, level, level, 0.6f);
    SymbolIcon::drawn(QStringLiteral("square.grid.2x2.fill"), symbol)
        .paint(&painter, QRectF(swatch.center() - QPointF(8.5, 8.5), QSizeF(17, 17)).toRect());

    painter.setPen(InterfaceStyle::primary(this));
    painter.setFont(
        InterfaceStyle::weighted(InterfaceStyle::callout(), m_selected ? QFont::DemiBold : QFont::Normal));
    painter.drawText(QRectF(swatch.right() + 8, 0, width() - swatch.right() - 17, height()),
        Qt::AlignLeft | Qt::AlignVCenter, text());
    if (hasFocus()) {
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(InterfaceStyle::accent(this, 0.6), 2));
        painter.drawRoundedRect(whole.adjusted(1, 1, -1, -1), 8, 8);
    }
}
