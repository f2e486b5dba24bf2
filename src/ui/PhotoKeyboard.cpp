#include "ui/PhotoKeyboard.h"

#include "store/BoardStore.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QWidget>

namespace {

QString keyName(QKeyCombination keys)
{
    return QKeySequence(keys).toString(QKeySequence::NativeText);
}

} // namespace

PhotoKeyboard::PhotoKeyboard(BoardStore& store, QWidget* view, std::function<qsizetype()> columns)
    : QObject(view)
    , m_store(store)
    , m_columns(std::move(columns))
{
    view->installEventFilter(this);
}

QString PhotoKeyboard::helpText(bool grid)
{
    const QString arrows = grid ? QCoreApplication::translate("PhotoKeyboard", "Arrow keys select an image")
                                : QCoreApplication::translate("PhotoKeyboard", "%1 and %2 select an image")
                                      .arg(keyName(Qt::Key_Left), keyName(Qt::Key_Right));
    return QCoreApplication::translate("PhotoKeyboard",
        "%1, %2 and %3 the first and last; %4 and %5 move it earlier or later; %6 or %7 removes it.")
        .arg(arrows, keyName(Qt::Key_Home), keyName(Qt::Key_End), keyName(Qt::ALT | Qt::Key_Left),
            keyName(Qt::ALT | Qt::Key_Right), keyName(Qt::Key_Delete), keyName(Qt::Key_Backspace));
}

bool PhotoKeyboard::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && handleKey(static_cast<const QKeyEvent&>(*event))) {
        event->accept();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

bool PhotoKeyboard::handleKey(const QKeyEvent& event)
{
    const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
    const qsizetype count = m_store.photos().size();
    const std::optional<QUuid> selected = m_store.selectedPhotoID();
    std::optional<qsizetype> index;
    for (qsizetype position = 0; selected && position < count; ++position) {
        if (m_store.photos().at(position).id() == *selected) {
            index = position;
        }
    }
    const int key = event.key();
    if (modifiers == Qt::AltModifier && (key == Qt::Key_Left || key == Qt::Key_Right)) {
        if (index) {
            m_store.movePhoto(*selected, key == Qt::Key_Left ? -1 : 1);
        }
        return true;
    }
    if (modifiers != Qt::NoModifier) {
        return false;
    }
    const qsizetype columns = std::max<qsizetype>(1, m_columns());
    switch (key) {
    case Qt::Key_Delete:
    case Qt::Key_Backspace:
        m_store.removeSelectedPhoto();
        return true;
    case Qt::Key_Home:
        select(0);
        return true;
    case Qt::Key_End:
        select(count - 1);
        return true;
    case Qt::Key_Left:
        select(index ? std::max<qsizetype>(0, *index - 1) : count - 1);
        return true;
    case Qt::Key_Right:
        select(index ? std::min(count - 1, *index + 1) : 0);
        return true;
    case Qt::Key_Up:
    case Qt::Key_Down:
        if (columns == 1) {
            return false;
        }
        if (!index) {
            select(key == Qt::Key_Up ? count - 1 : 0);
        } else if (const qsizetype target = *index + (key == Qt::Key_Up ? -columns : columns);
                   target >= 0 && target < count) {
            select(target);
        }
        return true;
    default:
        return false;
    }
}

void PhotoKeyboard::select(qsizetype index)
{
    if (index >= 0 && index < m_store.photos().size() && !m_store.isBusy()) {
        m_store.setSelectedPhotoID(m_store.photos().at(index).id());
    }
}
