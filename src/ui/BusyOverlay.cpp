#include "ui/BusyOverlay.h"

#include "ui/ElidedLabel.h"
#include "ui/InterfaceStyle.h"

#include <QGraphicsDropShadowEffect>
#include <QHBoxLayout>
#include <QPainter>
#include <QTimer>

namespace {

// A small indeterminate indicator: an arc that turns while it is shown.
class Spinner : public QWidget
{
public:
    explicit Spinner(QWidget* parent)
        : QWidget(parent)
    {
        setFixedSize(16, 16);
    }

    void advance()
    {
        m_angle = (m_angle + 30) % 360;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const QRectF ring = QRectF(rect()).adjusted(2, 2, -2, -2);
        painter.setPen(QPen(InterfaceStyle::primary(this, 0.15), 2));
        painter.drawEllipse(ring);
        painter.setPen(QPen(InterfaceStyle::primary(this, 0.7), 2, Qt::SolidLine, Qt::RoundCap));
        painter.drawArc(ring, -m_angle * 16, 100 * 16);
    }

private:
    int m_angle = 0;
};

// The panel: translucent window colour in a rounded rectangle with a faint border.
class OverlayPanel : public QWidget
{
public:
    explicit OverlayPanel(QWidget* parent)
        : QWidget(parent)
    { }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        QColor material = InterfaceStyle::windowBackground(this);
        material.setAlphaF(0.94f);
        painter.setBrush(material);
        painter.setPen(QPen(InterfaceStyle::primary(this, 0.08), 1));
        painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 14, 14);
    }
};

} // namespace

BusyOverlay::BusyOverlay(QWidget* parent)
    : QWidget(parent)
    , m_panel(new OverlayPanel(this))
    , m_spinner(new Spinner(m_panel))
    , m_label(new ElidedLabel(m_panel, Qt::ElideMiddle))
    , m_timer(new QTimer(this))
{
    auto* row = new QHBoxLayout(m_panel);
    row->setContentsMargins(22, 18, 22, 18);
    row->setSpacing(12);
    row->addWidget(m_spinner);
    row->addWidget(m_label);
    m_label->setFont(InterfaceStyle::weighted(InterfaceStyle::callout(), QFont::Medium));
    auto* shadow = new QGraphicsDropShadowEffect(m_panel);
    shadow->setColor(QColor::fromRgbF(0, 0, 0, 0.12f));
    shadow->setBlurRadius(36);
    shadow->setOffset(0, 6);
    m_panel->setGraphicsEffect(shadow);
    // One accessible element that reads the status message.
    m_panel->setAccessibleName(QString());
    m_timer->setInterval(80);
    connect(m_timer, &QTimer::timeout, this, [this] { static_cast<Spinner*>(m_spinner)->advance(); });
    hide();
}

void BusyOverlay::setMessage(const QString& message)
{
    m_label->setText(message);
    m_panel->setAccessibleName(message);
    placePanel();
}

QString BusyOverlay::message() const
{
    return m_label->text();
}

void BusyOverlay::placePanel()
{
    const QSize hint = m_panel->sizeHint().boundedTo(QSize(std::max(120, width() - 80), 200));
    m_panel->setGeometry(QRect(QPoint((width() - hint.width()) / 2, (height() - hint.height()) / 2), hint));
}

void BusyOverlay::paintEvent(QPaintEvent*)
{
    QPainter(this).fillRect(rect(), QColor::fromRgbF(0, 0, 0, 0.08f));
}

void BusyOverlay::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    placePanel();
}

void BusyOverlay::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    m_timer->start();
}

void BusyOverlay::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    m_timer->stop();
}
