#pragma once

#include "model/BoardSettings.h"
#include "store/BoardStore.h"
#include "support/FakeBoardPlatform.h"
#include "support/StoreTesting.h"
#include "support/TestImages.h"

#include <gtest/gtest.h>
#include <memory>
#include <QMimeData>
#include <QPointF>
#include <QTemporaryDir>

class QWidget;

// A store on the scripted desktop, and the event plumbing the widget tests share.
class UiTest : public ::testing::Test
{
protected:
    FakeBoardPlatform platform;
    BoardStore store { platform };
    QTemporaryDir folder;

    void installPhotos(qsizetype count, const BoardSettings& settings = BoardSettings());
    QUuid idAt(qsizetype index) const;
    QStringList order() const;

    // Starts an import that holds the store busy until the event loop runs again.
    void makeBusy();

    // A press and a move past the drag distance: the widget's drag source starts its drag
    // (which returns at once on the offscreen platform).
    static void startDrag(QWidget* source);
    // Enter, move and drop at a position of the target, as the desktop delivers a drop.
    // Returns whether the target accepted the drop.
    static bool dropOn(QWidget* target, QPointF position, const QMimeData& data);
    static std::unique_ptr<QMimeData> fileDrag(const QStringList& paths);
};
