#include "ui/ExportMenuButton.h"

#include "ui/InterfaceStyle.h"
#include "ui/SymbolIcon.h"

#include <QCoreApplication>
#include <QPainter>

namespace {

QFont labelFont()
{
    return InterfaceStyle::weighted(InterfaceStyle::body(), QFont::DemiBold);
}

} // namespace

ExportMenuButton::ExportMenuButton(QWidget* parent)
    : QToolButton(parent)
{
    setText(QCoreApplication::translate("ExportMenuButton", "Export"));
    setPopupMode(QToolButton::InstantPopup);
    setCursor(Qt::PointingHandCursor);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QSize ExportMenuButton::sizeHint() const
{
    const QFontMetrics metrics(labelFont());
    // Icon, label and the pull-down chevron, padded 12 at the sides and 8 above and below.
    const int width = 12 + 15 + 6 + metrics.horizontalAdvance(text()) + 6 + 9 + 12;
    return QSize(std::max(94, width), std::max(metrics.height(), 15) + 16);
}

void ExportMenuButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setOpacity(isEnabled() ? 1.0 : 0.45);
    QColor fill = InterfaceStyle::accent(this);
    if (isDown()) {
        fill = fill.darker(115);
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    painter.drawRoundedRect(QRectF(rect()), 8, 8);

    const QFont font = labelFont();
    const int textWidth = QFontMetrics(font).horizontalAdvance(text());
    const int contentWidth = 15 + 6 + textWidth + 6 + 9;
    int x = (width() - contentWidth) / 2;
    const int middle = height() / 2;
    SymbolIcon::drawn(QStringLiteral("square.and.arrow.up"), QColor(Qt::white))
        .paint(&painter, QRect(x, middle - 8, 15, 15));
    x += 15 + 6;
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRect(x, 0, textWidth + 1, height()), Qt::AlignVCenter | Qt::AlignLeft, text());
    x += textWidth + 6;
    SymbolIcon::drawn(QStringLiteral("chevron.down"), QColor(255, 255, 255, 220))
        .paint(&painter, QRect(x, middle - 4, 9, 9));
    if (hasFocus()) {
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(QColor(255, 255, 255, 160), 1.5));
        painter.drawRoundedRect(QRectF(rect()).adjusted(2, 2, -2, -2), 6, 6);
    }
}
