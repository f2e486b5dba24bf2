#pragma once

#include <functional>
#include <QObject>
#include <QString>

class BoardStore;
class QKeyEvent;
class QWidget;

// The keys of a view that shows the board's photos (the strip, the preview's grid), which is one
// Tab stop: arrows move the selection (Up and Down by a row in a grid), Home and End go to the
// first and last photo, Delete and Backspace remove the selected photo, Alt+Left and Alt+Right
// move it earlier or later. Every change goes through the store, one undoable step each.
class PhotoKeyboard : public QObject
{
    Q_OBJECT

public:
    // Handles the keys pressed on `view`; `columns` gives the photos per row (1 for a strip).
    PhotoKeyboard(BoardStore& store, QWidget* view, std::function<qsizetype()> columns);

    // The help text that names these keys; the grid's mentions Up and Down as well.
    static QString helpText(bool grid);
    // True when the key was one of these (and was applied when it could be).
    bool handleKey(const QKeyEvent& event);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void select(qsizetype index);

    BoardStore& m_store;
    std::function<qsizetype()> m_columns;
};
