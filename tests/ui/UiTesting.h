#pragma once

#include "support/StoreTesting.h"
#include "support/TestImages.h"
#include "ui/BoardCanvas.h"
#include "ui/BoardPreview.h"
#include "ui/ContentView.h"
#include "ui/InspectorSlider.h"
#include "ui/InspectorView.h"
#include "ui/PhotoStripView.h"
#include "ui/PhotoThumbnail.h"
#include "ui/PreviewTile.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSlider>
#include <QTest>
#include <QToolButton>

// A store on the scripted desktop, and the event plumbing the widget tests share.
class UiTest : public StoreTest
{
protected:
    void installPhotos(qsizetype count, const BoardSettings& settings = BoardSettings())
    {
        StoreTesting::installBoard(store, StoreTesting::pngPhotos(count), settings);
    }
    QUuid idAt(qsizetype index) const { return store.photos().at(index).id(); }
    QStringList order() const { return StoreTesting::fileNames(store.photos()); }
    // Starts an import that holds the store busy until the event loop runs again.
    void makeBusy();
    // Shows a widget at `size`; false when it never came on screen.
    static bool shown(QWidget& widget, QSize size)
    {
        widget.resize(size);
        widget.show();
        return QTest::qWaitForWindowExposed(&widget);
    }
    // A press and a move past the drag distance: the widget's drag source starts its drag
    // (which returns at once on the offscreen platform).
    static void startDrag(QWidget* source);
    // Enter, move and drop at a position of the target, as the desktop delivers a drop.
    // Returns whether the target accepted the drop.
    static bool dropOn(QWidget* target, QPointF position, const QMimeData& data);
};
