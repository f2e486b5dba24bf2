#pragma once

#include <QWidget>

class BoardStore;
class QToolBar;

// The whole content of the board window: preview with its header, photo strip, inspector,
// footer, busy overlay and error alert. It keeps no state besides the store it observes.
class ContentView : public QWidget
{
    Q_OBJECT

public:
    static constexpr int minimumWidth = 1000;
    static constexpr int minimumHeight = 740;

    explicit ContentView(BoardStore& store, QWidget* parent = nullptr);
    ~ContentView() override;

    // The window's toolbar (Add Images, Open Board, Save Board). Created with this view as its
    // parent; the main window takes it with QMainWindow::addToolBar(). The view keeps disabling
    // it while the store is busy wherever it ends up.
    QToolBar* toolBar() const;

private:
    BoardStore& m_store;
    QToolBar* m_toolBar = nullptr;
};
