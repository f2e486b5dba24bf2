#pragma once

#include "model/BoardBackground.h"

#include <QAbstractButton>

// One choice of board background: a swatch of the board's colour with the grid symbol on it
// and the option's name; marked when it is the board's current background.
class BackgroundButton : public QAbstractButton
{
    Q_OBJECT

public:
    BackgroundButton(BoardBackground background, QWidget* parent = nullptr);

    BoardBackground background() const { return m_background; }
    void setSelected(bool selected);
    bool isSelected() const { return m_selected; }
    // "Light", "Dark": the identifier with its first letter capitalised.
    static QString displayName(BoardBackground background);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    BoardBackground m_background;
    bool m_selected = false;
};
