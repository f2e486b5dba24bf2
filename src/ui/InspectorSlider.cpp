#include "ui/InspectorSlider.h"

#include "ui/InterfaceStyle.h"
#include "ui/ToneWidgets.h"

#include <cmath>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QSlider>
#include <QVBoxLayout>

InspectorSlider::InspectorSlider(
    const QString& title, double minimum, double maximum, double step, QWidget* parent)
    : QWidget(parent)
    , m_titleLabel(new QLabel(title, this))
    , m_valueLabel(new QLabel(this))
    , m_slider(new QSlider(Qt::Horizontal, this))
    , m_minimum(minimum)
    , m_maximum(maximum)
    , m_step(step)
    , m_value(minimum)
{
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(5);
    auto* row = new QHBoxLayout;
    row->setSpacing(6);
    m_titleLabel->setFont(InterfaceStyle::callout());
    m_valueLabel->setFont(InterfaceStyle::caption());
    ToneWidgets::setTone(m_valueLabel, ToneWidgets::Tone::secondary);
    row->addWidget(m_titleLabel);
    row->addStretch(1);
    row->addWidget(m_valueLabel);
    column->addLayout(row);
    column->addWidget(m_slider);

    m_slider->setRange(0, int(std::lround((maximum - minimum) / step)));
    m_slider->setSingleStep(1);
    m_slider->setPageStep(std::max(1, m_slider->maximum() / 10));
    m_slider->setAccessibleName(title);
    connect(m_slider, &QSlider::valueChanged, this, [this](int position) {
        const double value = std::min(m_maximum, m_minimum + position * m_step);
        if (value == m_value) {
            return;
        }
        m_value = value;
        m_valueLabel->setText(valueText(value));
        m_slider->setAccessibleDescription(
            QCoreApplication::translate("InspectorSlider", "%1 pixels").arg(valueText(value).chopped(3)));
        emit valueEdited(value);
    });
    setValue(minimum);
}

QString InspectorSlider::valueText(double value)
{
    // std::round rounds halves away from zero; a value that is no number shows as 0.
    const double rounded = std::isfinite(value) ? std::round(std::clamp(value, -1e15, 1e15)) : 0.0;
    return QString::number(qint64(rounded)) + QStringLiteral(" px");
}

QString InspectorSlider::title() const
{
    return m_titleLabel->text();
}

void InspectorSlider::setValue(double value)
{
    m_value = value;
    m_valueLabel->setText(valueText(value));
    m_slider->setAccessibleDescription(
        QCoreApplication::translate("InspectorSlider", "%1 pixels").arg(valueText(value).chopped(3)));
    const double position = std::isfinite(value) ? std::round((value - m_minimum) / m_step) : 0;
    const QSignalBlocker blocker(m_slider);
    m_slider->setValue(int(std::clamp(position, 0.0, double(m_slider->maximum()))));
}
