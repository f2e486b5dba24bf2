#pragma once

#include <QCoreApplication>
#include <QWidget>

class BoardStore;
class QPushButton;

// What the preview shows on a board without photos: an invitation to add images, with the two
// ways to start that need no dragging.
class PreviewEmptyState : public QWidget
{
    Q_OBJECT

public:
    static QString titleText()
    {
        return QCoreApplication::translate("PreviewEmptyState", "Bring your images together");
    }
    static QString messageText()
    {
        return QCoreApplication::translate(
            "PreviewEmptyState", "Drop images here to create a comparison sheet.");
    }
    static QString examplesText()
    {
        return QCoreApplication::translate("PreviewEmptyState", "Photos · Film stills · Design variations");
    }

    PreviewEmptyState(BoardStore& store, QWidget* parent = nullptr);

    QPushButton* addButton() const { return m_addButton; }
    QPushButton* pasteButton() const { return m_pasteButton; }

    // Colours taken from the application's palette; again after it changes.
    void applyProminentColours();

protected:
    void changeEvent(QEvent* event) override;

private:
    QPushButton* m_addButton;
    QPushButton* m_pasteButton;
};
