#include "ui/UiTesting.h"

#include "render/BoardRenderer.h"
#include "support/FileTesting.h"

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
        ASSERT_TRUE(shown(inspector, QSize(310, 1400)));
    }
    static void choose(QComboBox* combo, int index)
    {
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }
    InspectorView inspector { store };
};

// The warning, the export and copy commands and the renderer ask one rule.
TEST_F(InspectorViewTest, WarningExportAndRendererAgreeOnTheLimit)
{
    // 6000 wide, two square columns without captions: four rows are 11,928 high (71.6 million
    // pixels, each side within 16,384), three rows 8,964 high (53.8 million).
    BoardSettings settings;
    settings.outputWidth = 6000;
    settings.columns = 2;
    settings.cellAspect = CellAspect::square;
    settings.captionMode = CaptionMode::none;
    for (const auto& [count, readout, tooLarge] :
        { std::tuple { 8, "6000 \u00d7 11928 px", true }, { 6, "6000 \u00d7 8964 px", false } }) {
        StoreTesting::installBoard(store, StoreTesting::pngPhotos(count), settings);
        EXPECT_EQ(inspector.sizeReadout()->text(), QString::fromUtf8(readout));
        EXPECT_EQ(inspector.sizeWarning()->isVisible(), tooLarge);
        EXPECT_EQ(store.canExport(), !tooLarge);
        const QString refusal = FileTesting::failureMessage(
            [&] { BoardRenderer::validatedLayout(store.photos(), store.settings()); });
        EXPECT_EQ(refusal.isEmpty(), !tooLarge);
    }
}

TEST_F(InspectorViewTest, EveryControlWritesOneUndoableChange)
{
    const auto click = [](QWidget* control) { QTest::mouseClick(control, Qt::LeftButton); };
    using Check = std::function<bool(const BoardSettings&)>;
    const std::tuple<const char*, std::function<void()>, Check> rows[] = {
        { "columns", [&] { click(inspector.columnsPicker()->segment(4)); },
            [](auto& s) { return s.columns == 5; } },
        { "image shape", [&] { choose(inspector.cellAspectPicker(), 3); },
            [](auto& s) { return s.cellAspect == CellAspect::portrait; } },
        { "image fit", [&] { click(inspector.photoFitPicker()->segment(1)); },
            [](auto& s) { return s.photoFit == PhotoFit::fill; } },
        { "background", [&] { click(inspector.backgroundButtons().at(1)); },
            [](auto& s) { return s.background == BoardBackground::dark; } },
        { "spacing", [&] { inspector.spacingSlider()->slider()->setValue(20); },
            [](auto& s) { return s.spacing == 40; } },
        { "outer margin", [&] { inspector.paddingSlider()->slider()->setValue(40); },
            [](auto& s) { return s.padding == 160; } },
        { "corners", [&] { inspector.cornerSlider()->slider()->setValue(0); },
            [](auto& s) { return s.cornerRadius == 0; } },
        { "numbers", [&] { click(inspector.numbersToggle()); }, [](auto& s) { return !s.showNumbers; } },
        { "captions", [&] { choose(inspector.captionModePicker(), 2); },
            [](auto& s) { return s.captionMode == CaptionMode::custom; } },
        { "caption size", [&] { inspector.captionSizeSlider()->slider()->setValue(44); },
            [](auto& s) { return s.captionFontSize == 60; } },
        { "title", [&] { QTest::keyClicks(inspector.titleField(), "Q"); },
            [](auto& s) { return s.title == "TripQ"; } },
        { "width", [&] { choose(inspector.widthPicker(), 0); },
            [](auto& s) { return s.outputWidth == 1200; } },
        { "title size", [&] { inspector.titleSizeSlider()->slider()->setValue(0); },
            [](auto& s) { return s.titleFontSize == 24; } },
        { "reset", [&] { inspector.resetButton()->click(); },
            [&](auto& s) { return s == BoardSettings() && inspector.columnsPicker()->currentIndex() == 2; } },
    };
    // A titled board of two columns, so that the title size shows and a reset changes something.
    BoardSettings titled;
    titled.title = "Trip";
    titled.columns = 2;
    for (const auto& [what, edit, changed] : rows) {
        SCOPED_TRACE(what);
        StoreTesting::installBoard(store, store.photos(), titled);
        edit();
        EXPECT_TRUE(changed(store.settings()));
        EXPECT_TRUE(store.canUndo());
        store.undo();
        EXPECT_EQ(store.settings(), titled) << "one undo reverts the whole edit";
        EXPECT_FALSE(store.canUndo()) << "the edit recorded more than one change";
    }
}

TEST_F(InspectorViewTest, ControlsFollowEachUndoStepAndTheSelection)
{
    // A slider drag over ten values is ten undo steps.
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
    // The caption editor shows the selected photo's caption.
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

} // namespace
