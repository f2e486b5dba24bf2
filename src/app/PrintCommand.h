#pragma once

#include <QObject>

class BoardStore;
class QAction;
class QMenuBar;

// File > Print… (Ctrl+P), placed after the export items and enabled whenever export is.
class PrintCommand : public QObject
{
    Q_OBJECT

public:
    static constexpr const char* title = QT_TRANSLATE_NOOP("TesserlyCommands", "Print\u2026");

    // Owned by the menu bar; the store must outlive it.
    PrintCommand(BoardStore& store, QMenuBar& menuBar);

    QAction* action() const { return m_action; }

private:
    QAction* m_action = nullptr;
};
