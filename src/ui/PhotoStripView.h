#pragma once

#include <optional>
#include <QList>
#include <QWidget>

class BoardStore;
class FocusRing;
class PhotoThumbnail;
class QLabel;
class QPropertyAnimation;
class QScrollArea;
class QStackedWidget;
class QToolButton;

// The band of thumbnails under the preview: every photo in board order, the selected one marked
// and scrolled into the middle, and the image commands that act on the selection.
class PhotoStripView : public QWidget
{
    Q_OBJECT

public:
    static constexpr int stripHeight = 153;

    PhotoStripView(BoardStore& store, QWidget* parent = nullptr);

    // Position of the selected photo on the board; empty without a selection on the board.
    std::optional<qsizetype> selectedIndex() const;

    const QList<PhotoThumbnail*>& thumbnails() const { return m_thumbnails; }
    QToolButton* pasteButton() const { return m_pasteButton; }
    QToolButton* earlierButton() const { return m_earlierButton; }
    QToolButton* laterButton() const { return m_laterButton; }
    QToolButton* removeButton() const { return m_removeButton; }
    QLabel* noteLabel() const { return m_note; }
    QScrollArea* scrollArea() const { return m_scrollArea; }
    FocusRing* focusRing() const { return m_focusRing; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void refreshPhotos();
    void refreshSelection();
    void scrollToSelection();
    QToolButton* headerButton(const QString& symbol, const QString& help, const QString& accessibleName);

    BoardStore& m_store;
    QLabel* m_note;
    QToolButton* m_pasteButton;
    QToolButton* m_earlierButton;
    QToolButton* m_laterButton;
    QToolButton* m_removeButton;
    QStackedWidget* m_body;
    QScrollArea* m_scrollArea;
    QWidget* m_row;
    QList<PhotoThumbnail*> m_thumbnails;
    QPropertyAnimation* m_scrollAnimation;
    FocusRing* m_focusRing = nullptr;
};
