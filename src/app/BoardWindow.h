#pragma once

#include <QLatin1StringView>
#include <QMainWindow>
#include <QPointer>
#include <QStringView>

class BoardStore;
class ContentView;

// The one board window: the board's content and toolbar, the menu bar, and a title that follows
// the board's name and edited state.
class BoardWindow : public QMainWindow
{
    Q_OBJECT

public:
    static constexpr QLatin1StringView identifier { "main" };
    static constexpr QStringView titleSuffix { u" \u2014 Tesserly" };
    static constexpr int defaultWidth = 1180;
    static constexpr int defaultHeight = 820;

    explicit BoardWindow(BoardStore& store, QWidget* parent = nullptr);

    ContentView* content() const { return m_content; }
    // Shows the window at its default size, centred on the screen it is on.
    void showCentred();

signals:
    // Each time the window is shown.
    void appeared();
    // The window accepted a close.
    void closed();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void updateTitle();

    QPointer<BoardStore> m_store;
    ContentView* m_content = nullptr;
};
