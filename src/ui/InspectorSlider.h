#pragma once

#include <QString>
#include <QWidget>

class QLabel;
class QSlider;

// A titled slider for one continuous setting, its value shown in whole pixels. Values are
// min + k × step; the slider reports each value the user moves through, one by one.
class InspectorSlider : public QWidget
{
    Q_OBJECT

public:
    InspectorSlider(
        const QString& title, double minimum, double maximum, double step, QWidget* parent = nullptr);

    // The value rounded to a whole number, halves away from zero, then " px": 12.5 → "13 px".
    static QString valueText(double value);

    double value() const { return m_value; }
    // Shows a value (from the settings) without reporting it.
    void setValue(double value);
    double minimum() const { return m_minimum; }
    double maximum() const { return m_maximum; }
    double step() const { return m_step; }
    QString title() const;
    QSlider* slider() const { return m_slider; }
    QLabel* valueLabel() const { return m_valueLabel; }

signals:
    void valueEdited(double value);

private:
    QLabel* m_titleLabel;
    QLabel* m_valueLabel;
    QSlider* m_slider;
    double m_minimum;
    double m_maximum;
    double m_step;
    double m_value;
};
