#include "ui/SegmentedPicker.h"

#include "ui/InterfaceStyle.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QPainter>
#include <QStyleOptionToolButton>
#include <QToolButton>

namespace {

// One segment: the chosen one is raised on the track, the others are plain text.
class Segment : public QToolButton
{
public:
    Segment(const QString& title, bool first, bool last, QWidget* parent)
        : QToolButton(parent)
        , m_first(first)
        , m_last(last)
    {
        setText(title);
        setCheckable(true);
        setAutoRaise(true);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        setFixedHeight(24);
        setFocusPolicy(Qt::TabFocus);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const QRectF track = QRectF(rect()).adjusted(m_first ? 0.5 : -4, 0.5, m_last ? -0.5 : 4, -0.5);
        painter.setPen(QPen(InterfaceStyle::primary(this, 0.12), 1));
        painter.setBrush(InterfaceStyle::primary(this, 0.05));
        painter.setClipRect(rect());
        painter.drawRoundedRect(track, 6, 6);
        if (!m_first) {
            painter.setPen(QPen(InterfaceStyle::primary(this, 0.10), 1));
            painter.drawLine(QPointF(0.5, 5), QPointF(0.5, height() - 5));
        }
        if (isChecked()) {
            painter.setPen(QPen(InterfaceStyle::primary(this, 0.10), 1));
            painter.setBrush(
                isEnabled() ? InterfaceStyle::controlBackground(this) : InterfaceStyle::primary(this, 0.06));
            painter.drawRoundedRect(QRectF(rect()).adjusted(2, 2, -2, -2), 5, 5);
        }
        QColor text = InterfaceStyle::primary(this, isEnabled() ? 1.0 : 0.4);
        painter.setPen(text);
        painter.setFont(isChecked() ? InterfaceStyle::weighted(font(), QFont::DemiBold) : font());
        painter.drawText(rect(), Qt::AlignCenter, this->text());
        if (hasFocus()) {
            painter.setPen(QPen(InterfaceStyle::accent(this, 0.7), 1.5));
            painter.setBrush(Qt::NoBrush);
            painter.drawRoundedRect(QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5), 5, 5);
        }
    }

private:
    bool m_first;
    bool m_last;
};

} // namespace

SegmentedPicker::SegmentedPicker(const QStringList& titles, QWidget* parent)
    : QWidget(parent)
    , m_group(new QButtonGroup(this))
{
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    m_group->setExclusive(true);
    for (qsizetype index = 0; index < titles.size(); ++index) {
        auto* segment = new Segment(titles[index], index == 0, index == titles.size() - 1, this);
        segment->setAccessibleName(titles[index]);
        m_group->addButton(segment, int(index));
        m_segments.append(segment);
        row->addWidget(segment);
    }
    connect(m_group, &QButtonGroup::idClicked, this, &SegmentedPicker::activated);
}

int SegmentedPicker::currentIndex() const
{
    return m_group->checkedId();
}

void SegmentedPicker::setCurrentIndex(int index)
{
    if (index >= 0 && index < m_segments.size()) {
        m_segments[index]->setChecked(true);
    }
}
