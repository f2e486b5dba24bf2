#include "ui/ElidedLabel.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPainter>

ElidedLabel::ElidedLabel(QWidget* parent, Qt::TextElideMode mode)
    : QWidget(parent)
    , m_mode(mode)
{
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

void ElidedLabel::setText(const QString& text)
{
    if (text == m_text) {
        return;
    }
    m_text = text;
    setAccessibleName(text);
    updateGeometry();
    update();
}

QString ElidedLabel::displayedText() const
{
    return fontMetrics().elidedText(m_text, m_mode, width());
}

void ElidedLabel::setColour(std::optional<QColor> colour)
{
    m_colour = colour;
    update();
}

void ElidedLabel::setAlignment(Qt::Alignment alignment)
{
    m_alignment = alignment;
    update();
}

QSize ElidedLabel::sizeHint() const
{
    const QFontMetrics metrics = fontMetrics();
    return QSize(metrics.horizontalAdvance(m_text) + 1, metrics.height());
}

QSize ElidedLabel::minimumSizeHint() const
{
    const QFontMetrics metrics = fontMetrics();
    return QSize(metrics.horizontalAdvance(QStringLiteral("…")) * 3, metrics.height());
}

void ElidedLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QColor colour = m_colour.value_or(palette().color(QPalette::WindowText));
    if (!isEnabled()) {
        colour.setAlphaF(colour.alphaF() * 0.6f);
    }
    painter.setPen(colour);
    painter.drawText(rect(), int(m_alignment) | Qt::TextSingleLine, displayedText());
}

void ElidedLabel::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange) {
        updateGeometry();
    }
    QWidget::changeEvent(event);
}
