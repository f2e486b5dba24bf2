#pragma once

#include <QList>
#include <QStringList>
#include <QWidget>

class QButtonGroup;
class QToolButton;

// A row of joined segments of which exactly one is chosen (columns, image fit).
class SegmentedPicker : public QWidget
{
    Q_OBJECT

public:
    explicit SegmentedPicker(const QStringList& titles, QWidget* parent = nullptr);

    int currentIndex() const;
    // Shows a choice without reporting it.
    void setCurrentIndex(int index);
    QToolButton* segment(int index) const { return m_segments.at(index); }
    qsizetype count() const { return m_segments.size(); }

signals:
    // The user picked a segment.
    void activated(int index);

private:
    QButtonGroup* m_group;
    QList<QToolButton*> m_segments;
};
