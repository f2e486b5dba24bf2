#pragma once

#include <QCoreApplication>
#include <QWidget>

class BoardStore;
class ElidedLabel;
class QLabel;
class QPlainTextEdit;

// The custom caption of the selected photo. Every edit sends the whole text to the store, which
// keeps at most 240 characters and records the change for undo.
class CaptionEditor : public QWidget
{
    Q_OBJECT

public:
    static QString noSelectionText()
    {
        return QCoreApplication::translate("CaptionEditor", "Select an image to write its caption.");
    }
    static QString otherSelectionText()
    {
        return QCoreApplication::translate("CaptionEditor", "Select another image to edit its caption.");
    }

    CaptionEditor(BoardStore& store, QWidget* parent = nullptr);

    // Re-reads the selection and its caption from the store.
    void refresh();

    QPlainTextEdit* editor() const { return m_editor; }
    QLabel* promptLabel() const { return m_prompt; }
    ElidedLabel* fileNameLabel() const { return m_fileName; }
    bool isEditing() const;

    // Colours taken from the application's palette; again after it changes.
    void applyEditorStyle();

protected:
    void changeEvent(QEvent* event) override;

private:
    BoardStore& m_store;
    QLabel* m_prompt;
    QWidget* m_editing;
    ElidedLabel* m_fileName;
    QPlainTextEdit* m_editor;
};
