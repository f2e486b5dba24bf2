#pragma once

#include <QLatin1StringView>
#include <QMainWindow>
#include <QMargins>
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
    // Room left for the desktop's title bar, which is not known before the window is first shown.
    static constexpr QMargins frameAllowance { 0, 38, 0, 0 };

    // Where a window of a preferred size goes on a screen's free area: as large as preferred but
    // never larger than the area (frame included) nor smaller than the minimum, centred, and never
    // with its frame above or left of the area. `frame` is what the desktop adds around it.
    static QRect placement(const QRect& available, QSize preferred, QSize minimum, const QMargins& frame);
    // The position that centres a window of `size` (frame included) over `over`, kept on the area.
    static QPoint centredOver(const QRect& over, QSize size, const QRect& available);

    explicit BoardWindow(BoardStore& store, QWidget* parent = nullptr);

    ContentView* content() const { return m_content; }
    // Shows the window at its default size, or as much of it as the screen's free area takes,
    // centred there.
    void showCentred();
    // Opens another window of the application centred over this one (About, Settings).
    void presentCentred(QWidget& window) const;

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
