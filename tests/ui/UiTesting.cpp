#include "ui/UiTesting.h"

#include <QDropEvent>
#include <QMouseEvent>

void UiTest::makeBusy()
{
    const QString file = TestImages::writeFile(folder, "later.png", TestImages::png(QSize(40, 30)));
    // Several copies, decoded one after another, keep the store busy long enough for any test.
    store.importURLs(QList<QUrl>(12, QUrl::fromLocalFile(file)));
    ASSERT_TRUE(store.isBusy());
}

void UiTest::startDrag(QWidget* source)
{
    const QPointF start(source->width() / 2.0, source->height() / 2.0);
    const QPointF far = start + QPointF(QApplication::startDragDistance() + 6, 0);
    QMouseEvent press(QEvent::MouseButtonPress, start, source->mapToGlobal(start), Qt::LeftButton,
        Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(source, &press);
    QMouseEvent move(
        QEvent::MouseMove, far, source->mapToGlobal(far), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(source, &move);
}

bool UiTest::dropOn(QWidget* target, QPointF position, const QMimeData& data)
{
    const QPoint point = position.toPoint();
    QDragEnterEvent enter(point, Qt::MoveAction | Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    if (!enter.isAccepted()) {
        QDragLeaveEvent leave;
        QApplication::sendEvent(target, &leave);
        return false;
    }
    QDragMoveEvent move(point, Qt::MoveAction | Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &move);
    QDropEvent drop(position, Qt::MoveAction | Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    return drop.isAccepted();
}
