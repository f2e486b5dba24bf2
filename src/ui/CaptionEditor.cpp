#include "ui/CaptionEditor.h"

#include "store/BoardStore.h"
#include "ui/ElidedLabel.h"
#include "ui/InterfaceStyle.h"
#include "ui/KeyPassThrough.h"
#include "ui/ToneWidgets.h"

#include <QCoreApplication>
#include <QEvent>

#include <QLabel>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QTextCursor>
#include <QVBoxLayout>

namespace {

QLabel* secondaryCaption(const QString& text, QWidget* parent)
{
    return ToneWidgets::note(text, ToneWidgets::Tone::secondary, parent);
}

} // namespace

CaptionEditor::CaptionEditor(BoardStore& store, QWidget* parent)
    : QWidget(parent)
    , m_store(store)
    , m_prompt(secondaryCaption(noSelectionText(), this))
    , m_editing(new QWidget(this))
    , m_fileName(new ElidedLabel(m_editing))
    , m_editor(new QPlainTextEdit(m_editing))
{
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(m_prompt);
    column->addWidget(m_editing);

    auto* editing = new QVBoxLayout(m_editing);
    editing->setContentsMargins(0, 0, 0, 0);
    editing->setSpacing(7);
    m_fileName->setFont(InterfaceStyle::weighted(InterfaceStyle::caption(), QFont::Medium));
    ToneWidgets::setTone(m_fileName, ToneWidgets::Tone::secondary);
    editing->addWidget(m_fileName);
    m_editor->setFixedHeight(60);
    m_editor->setTabChangesFocus(true);
    // The board's own undo covers captions; the editor's private history would compete with it.
    // Its undo keys (and the window's export keys) therefore go to the window's commands.
    m_editor->setUndoRedoEnabled(false);
    KeyPassThrough::install(m_editor, KeyPassThrough::undoKeys() + KeyPassThrough::exportKeys());
    m_editor->setFrameShape(QFrame::NoFrame);
    m_editor->document()->setDocumentMargin(6);
    applyEditorStyle();
    editing->addWidget(m_editor);
    editing->addWidget(secondaryCaption(otherSelectionText(), m_editing));

    connect(m_editor, &QPlainTextEdit::textChanged, this, [this] {
        if (const std::optional<BoardPhoto> photo = m_store.selectedPhoto()) {
            m_store.updateCaption(m_editor->toPlainText(), photo->id());
        }
    });
    connect(&m_store, &BoardStore::selectedPhotoIDChanged, this, &CaptionEditor::refresh);
    connect(&m_store, &BoardStore::photosChanged, this, &CaptionEditor::refresh);
    refresh();
}

bool CaptionEditor::isEditing() const
{
    return !m_editing->isHidden();
}

void CaptionEditor::refresh()
{
    const std::optional<BoardPhoto> photo = m_store.selectedPhoto();
    m_prompt->setHidden(photo.has_value());
    m_editing->setHidden(!photo.has_value());
    if (!photo) {
        return;
    }
    m_fileName->setText(photo->fileName());
    m_fileName->setToolTip(photo->fileName());
    m_editor->setAccessibleName(
        QCoreApplication::translate("CaptionEditor", "Caption for %1").arg(photo->fileName()));
    if (m_editor->toPlainText() != photo->caption()) {
        // The store may have cut the text; keep the cursor at the end of what remains.
        const QSignalBlocker blocker(m_editor);
        m_editor->setPlainText(photo->caption());
        m_editor->moveCursor(QTextCursor::End);
    }
}

void CaptionEditor::applyEditorStyle()
{
    m_editor->setStyleSheet(
        QStringLiteral("QPlainTextEdit { background: %1; border: 1px solid %2; border-radius: 6px; }")
            .arg(InterfaceStyle::textBackground(nullptr).name(QColor::HexArgb),
                InterfaceStyle::primary(nullptr, 0.15).name(QColor::HexArgb)));
}

void CaptionEditor::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ApplicationPaletteChange) {
        applyEditorStyle();
    }
    QWidget::changeEvent(event);
}
