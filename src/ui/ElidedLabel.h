#pragma once

#include <optional>
#include <QColor>
#include <QWidget>

// One line of text that never wraps: when it is too wide it is shortened with "…" (in the
// middle by default, so both the start and the end of a file name or status stay visible).
class ElidedLabel : public QWidget
{
    Q_OBJECT

public:
    explicit ElidedLabel(QWidget* parent = nullptr, Qt::TextElideMode mode = Qt::ElideMiddle);

    void setText(const QString& text);
    const QString& text() const { return m_text; }
    // What fits in the current width.
    QString displayedText() const;

    void setColour(std::optional<QColor> colour);
    void setAlignment(Qt::Alignment alignment);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QString m_text;
    Qt::TextElideMode m_mode;
    Qt::Alignment m_alignment = Qt::AlignLeft | Qt::AlignVCenter;
    std::optional<QColor> m_colour;
};
