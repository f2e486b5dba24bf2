#include "ui/UiTesting.h"

#include "ui/BackgroundButton.h"
#include "ui/CaptionEditor.h"
#include "ui/SegmentedPicker.h"
#include "ui/SwitchToggle.h"

#include <QPlainTextEdit>

namespace {

class InspectorViewTest : public UiTest
{
protected:
    void SetUp() override
    {
        installPhotos(3);
        inspector.resize(310, 1400);
        inspector.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&inspector));
    }
    // Runs one user edit and checks that it made exactly one undoable change, which undo reverts.
    void expectOneChange(const char* what, const std::function<void()>& edit,
        const std::function<bool(const BoardSettings&)>& changed)
    {
        SCOPED_TRACE(what);
        const BoardSettings before = store.settings();
        edit();
        EXPECT_TRUE(changed(store.settings()));
        EXPECT_TRUE(store.canUndo());
        store.undo();
        EXPECT_EQ(store.settings(), before) << "one undo reverts the whole edit";
        EXPECT_FALSE(store.canUndo()) << "the edit recorded more than one change";
        // Back to a clean history for the next control.
        StoreTesting::installBoard(store, store.photos(), before);
    }
    static void choose(QComboBox* combo, int index)
    {
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }
    InspectorView inspector { store };
};

TEST_F(InspectorViewTest, EveryControlWritesOneUndoableChange)
{
    expectOneChange(
        "columns", [&] { QTest::mouseClick(inspector.columnsPicker()->segment(4), Qt::LeftButton); },
        [](const BoardSettings& s) { return s.columns == 5; });
    expectOneChange(
        "image shape", [&] { choose(inspector.cellAspectPicker(), 3); },
        [](const BoardSettings& s) { return s.cellAspect == CellAspect::portrait; });
    expectOneChange(
        "image fit", [&] { QTest::mouseClick(inspector.photoFitPicker()->segment(1), Qt::LeftButton); },
        [](const BoardSettings& s) { return s.photoFit == PhotoFit::fill; });
    expectOneChange(
        "background", [&] { QTest::mouseClick(inspector.backgroundButtons().at(1), Qt::LeftButton); },
        [](const BoardSettings& s) { return s.background == BoardBackground::dark; });
    expectOneChange(
        "spacing", [&] { inspector.spacingSlider()->slider()->setValue(20); },
        [](const BoardSettings& s) { return s.spacing == 40; });
    expectOneChange(
        "outer margin", [&] { inspector.paddingSlider()->slider()->setValue(40); },
        [](const BoardSettings& s) { return s.padding == 160; });
    expectOneChange(
        "corners", [&] { inspector.cornerSlider()->slider()->setValue(0); },
        [](const BoardSettings& s) { return s.cornerRadius == 0; });
    expectOneChange(
        "numbers", [&] { QTest::mouseClick(inspector.numbersToggle(), Qt::LeftButton); },
        [](const BoardSettings& s) { return !s.showNumbers; });
    expectOneChange(
        "captions", [&] { choose(inspector.captionModePicker(), 2); },
        [](const BoardSettings& s) { return s.captionMode == CaptionMode::custom; });
    expectOneChange(
        "caption size", [&] { inspector.captionSizeSlider()->slider()->setValue(44); },
        [](const BoardSettings& s) { return s.captionFontSize == 60; });
    expectOneChange(
        "title", [&] { QTest::keyClicks(inspector.titleField(), "Q"); },
        [](const BoardSettings& s) { return s.title == "Q"; });
    expectOneChange(
        "width", [&] { choose(inspector.widthPicker(), 0); },
        [](const BoardSettings& s) { return s.outputWidth == 1200; });
    BoardSettings titled = store.settings();
    titled.title = "Trip";
    StoreTesting::installBoard(store, store.photos(), titled);
    expectOneChange(
        "title size", [&] { inspector.titleSizeSlider()->slider()->setValue(0); },
        [](const BoardSettings& s) { return s.titleFontSize == 24; });
}

TEST_F(InspectorViewTest, SliderDragOfTenValuesIsTenUndoSteps)
{
    QSlider* slider = inspector.spacingSlider()->slider();
    const int start = slider->value();
    for (int step = 1; step <= 10; ++step) {
        slider->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    }
    EXPECT_EQ(inspector.spacingSlider()->valueLabel()->text(), "44 px");
    for (int step = 9; step >= 0; --step) {
        store.undo();
        EXPECT_EQ(slider->value(), start + step) << "the slider follows every undo";
    }
    EXPECT_FALSE(store.canUndo());
    EXPECT_EQ(store.settings().spacing, 24);
}

TEST_F(InspectorViewTest, CaptionEditorFollowsTheSelection)
{
    choose(inspector.captionModePicker(), 2);
    store.setSelectedPhotoID(std::nullopt);
    CaptionEditor* editor = inspector.captionEditor();
    EXPECT_FALSE(editor->isEditing());
    store.setSelectedPhotoID(idAt(1));
    EXPECT_TRUE(editor->isEditing());
    EXPECT_EQ(editor->editor()->toPlainText(), "image-2");
    editor->editor()->clear();
    QTest::keyClicks(editor->editor(), "Low tide");
    EXPECT_EQ(store.photos().at(1).caption(), "Low tide");
    // Another selection shows that photo's caption; undo restores the first one's.
    store.setSelectedPhotoID(idAt(0));
    EXPECT_EQ(editor->editor()->toPlainText(), "image-1");
    store.setSelectedPhotoID(idAt(1));
    while (store.canUndo() && store.photos().at(1).caption() != "image-2") {
        store.undo();
    }
    EXPECT_EQ(editor->editor()->toPlainText(), "image-2");
}

TEST_F(InspectorViewTest, ResetSettingsRestoresDefaultsButNotWhileBusy)
{
    QTest::mouseClick(inspector.columnsPicker()->segment(5), Qt::LeftButton);
    ASSERT_EQ(store.settings().columns, 6);
    makeBusy();
    inspector.resetButton()->click();
    EXPECT_EQ(store.settings().columns, 6);
    ASSERT_TRUE(StoreTesting::waitUntilIdle(store));
    inspector.resetButton()->click();
    EXPECT_EQ(store.settings(), BoardSettings());
    EXPECT_EQ(inspector.columnsPicker()->currentIndex(), 2);
}

} // namespace
