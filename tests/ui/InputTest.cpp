#include "ui/UiTesting.h"

#include "ui/FocusRing.h"

#include <QSet>
#include <QSpontaneKeyEvent>
#include <QWheelEvent>

namespace {

// The board window's content, shorter than the inspector so that the inspector scrolls.
class InputTest : public UiTest
{
protected:
    void SetUp() override
    {
        view.resize(1180, 620);
        view.show();
        QApplication::setActiveWindow(&view);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&view));
    }
    // A wheel turn as the desktop delivers it: spontaneous, so that a turn no one takes travels
    // up to the parents.
    static void turnWheel(QWidget* target, QPoint angleDelta)
    {
        const QPointF local(target->width() / 2.0, target->height() / 2.0);
        QWheelEvent event(local, target->mapToGlobal(local), QPoint(), angleDelta, Qt::NoButton,
            Qt::NoModifier, Qt::NoScrollPhase, false);
        QSpontaneKeyEvent::setSpontaneous(&event);
        // sendEvent() would mark it synthesized, and Qt does not pass those on.
        qApp->notify(target, &event);
    }
    QScrollBar* inspectorBar() const
    {
        return view.inspector()->findChild<QScrollArea*>()->verticalScrollBar();
    }
    qsizetype selectedIndex() const { return view.strip()->selectedIndex().value_or(-1); }
    ContentView view { store };
};

TEST_F(InputTest, TheWheelScrollsThePanelUnlessASettingHasFocusAndTheStripSideways)
{
    InspectorView& inspector = *view.inspector();
    // The guard goes by the kind of control: a slider and a pop-up stand for all.
    for (QWidget* control : { static_cast<QWidget*>(inspector.paddingSlider()->slider()),
             static_cast<QWidget*>(inspector.captionModePicker()) }) {
        SCOPED_TRACE(control->accessibleName().toStdString());
        installPhotos(3);
        view.strip()->scrollArea()->setFocus(Qt::TabFocusReason);
        ASSERT_GT(inspectorBar()->maximum(), 0) << "the inspector must scroll for this test";
        inspectorBar()->setValue(0);
        turnWheel(control, QPoint(0, -120));
        EXPECT_EQ(store.settings(), BoardSettings());
        EXPECT_FALSE(control->hasFocus()) << "the wheel gave it focus";
        EXPECT_GT(inspectorBar()->value(), 0) << "the panel did not scroll";
        // Clicked or tabbed to, the control takes the wheel as usual.
        control->setFocus(Qt::TabFocusReason);
        turnWheel(control, QPoint(0, -120));
        EXPECT_NE(store.settings(), BoardSettings());
    }
    // A vertical wheel over the strip scrolls it sideways.
    installPhotos(30);
    QScrollBar* bar = view.strip()->scrollArea()->horizontalScrollBar();
    ASSERT_TRUE(QTest::qWaitFor([bar] { return bar->maximum() > 0; }));
    turnWheel(view.strip()->thumbnails().at(2), QPoint(0, -120));
    EXPECT_GT(bar->value(), 0);
    const int moved = bar->value();
    turnWheel(view.strip()->thumbnails().at(2), QPoint(0, 120));
    EXPECT_LT(bar->value(), moved);
}

// One key on the strip (one photo per row) or the preview (the board's columns), starting from
// a selected position on a board of six photos in three columns.
struct KeyCase
{
    const char* name;
    bool onPreview;
    int key;
    Qt::KeyboardModifiers modifiers;
    qsizetype start;
    qsizetype selected;
    // The photos in board order afterwards, by their numbers.
    const char* order;
};

// CTest lists each row by its name rather than by a dump of its bytes.
void PrintTo(const KeyCase& row, std::ostream* out)
{
    *out << row.name;
}

class PhotoKeys : public InputTest, public ::testing::WithParamInterface<KeyCase>
{
};

const KeyCase keyCases[] = {
    { "StripRight", false, Qt::Key_Right, Qt::NoModifier, 0, 1, "123456" },
    { "StripLeftStopsAtTheFirst", false, Qt::Key_Left, Qt::NoModifier, 0, 0, "123456" },
    { "StripEnd", false, Qt::Key_End, Qt::NoModifier, 1, 5, "123456" },
    { "StripHome", false, Qt::Key_Home, Qt::NoModifier, 4, 0, "123456" },
    { "StripDownIsNoRow", false, Qt::Key_Down, Qt::NoModifier, 2, 2, "123456" },
    { "StripAltRightMovesLater", false, Qt::Key_Right, Qt::AltModifier, 0, 1, "213456" },
    { "StripDelete", false, Qt::Key_Delete, Qt::NoModifier, 2, 2, "12456" },
    { "PreviewDownOneRow", true, Qt::Key_Down, Qt::NoModifier, 1, 4, "123456" },
    { "PreviewUpOneRow", true, Qt::Key_Up, Qt::NoModifier, 5, 2, "123456" },
    { "PreviewDownBelowTheLastRow", true, Qt::Key_Down, Qt::NoModifier, 4, 4, "123456" },
    { "PreviewLeft", true, Qt::Key_Left, Qt::NoModifier, 3, 2, "123456" },
    { "PreviewAltLeftMovesEarlier", true, Qt::Key_Left, Qt::AltModifier, 3, 2, "124356" },
    { "PreviewBackspace", true, Qt::Key_Backspace, Qt::NoModifier, 5, 4, "12345" },
};

TEST_P(PhotoKeys, MoveSelectReorderAndRemoveInOneUndoableStep)
{
    const KeyCase& row = GetParam();
    installPhotos(6);
    store.setSelectedPhotoID(idAt(row.start));
    QWidget* target
        = row.onPreview ? static_cast<QWidget*>(view.preview()->scrollArea()) : view.strip()->scrollArea();
    target->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(target->hasFocus());
    QTest::keyClick(target, Qt::Key(row.key), row.modifiers);
    EXPECT_EQ(selectedIndex(), row.selected);
    const auto numbers = [this] { return order().join(QString()).remove("image-").remove(".png"); };
    EXPECT_EQ(numbers(), row.order);
    EXPECT_EQ(store.canUndo(), numbers() != "123456");
    if (store.canUndo()) {
        store.undo();
        EXPECT_EQ(numbers(), "123456") << "one undo step";
        EXPECT_FALSE(store.canUndo());
    }
}

INSTANTIATE_TEST_SUITE_P(InputTest, PhotoKeys, ::testing::ValuesIn(keyCases),
    [](const ::testing::TestParamInfo<KeyCase>& info) { return std::string(info.param.name); });

TEST_F(InputTest, StripAndPreviewAreOneTabStopEachWithAVisibleRing)
{
    // The widgets that Tab visits in the whole window, going once round.
    const auto tabStops = [this] {
        view.strip()->pasteButton()->setFocus(Qt::TabFocusReason);
        QSet<QWidget*> visited;
        for (int press = 0; press < 200 && !visited.contains(QApplication::focusWidget()); ++press) {
            visited.insert(QApplication::focusWidget());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        return visited;
    };
    // The last photo selected on both boards: the same header buttons are enabled.
    installPhotos(2);
    store.setSelectedPhotoID(idAt(1));
    const qsizetype withTwoPhotos = tabStops().size();
    installPhotos(17);
    store.setSelectedPhotoID(idAt(16));
    const QSet<QWidget*> stops = tabStops();
    EXPECT_EQ(stops.size(), withTwoPhotos) << "every photo added a Tab stop";
    const std::pair<FocusRing*, QWidget*> rings[]
        = { { view.strip()->focusRing(), view.strip()->scrollArea() },
              { view.preview()->focusRing(), view.preview()->scrollArea() } };
    for (const auto& [ring, target] : rings) {
        EXPECT_TRUE(stops.contains(target));
        target->setFocus(Qt::TabFocusReason);
        EXPECT_TRUE(ring->isShown());
        EXPECT_EQ(ring->geometry(), target->geometry());
        view.strip()->pasteButton()->setFocus(Qt::TabFocusReason);
        EXPECT_FALSE(ring->isShown());
    }
}

} // namespace
