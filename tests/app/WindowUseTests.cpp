#include "AppTestSupport.h"

#include "ui/BoardFooter.h"
#include "ui/CaptionEditor.h"
#include "ui/ExportMenuButton.h"
#include "ui/InspectorSlider.h"
#include "ui/InspectorView.h"
#include "ui/PhotoStripView.h"

#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QToolBar>

namespace {

const auto content = [](TesserlyApp& app) -> ContentView& { return *app.boardWindow().content(); };

// A key pressed where the focus is, as a user of the whole window would.
struct KeyCase
{
    const char* name;
    std::function<QWidget*(ContentView&)> focus;
    QKeyCombination keys;
    // What the key must have done, checked on the application.
    std::function<void(TesserlyApp&, FakeBoardPlatform&)> expect;
};

// CTest lists each row by its name rather than by a dump of its bytes.
void PrintTo(const KeyCase& row, std::ostream* out)
{
    *out << row.name;
}

class WindowKeys : public AppTest, public ::testing::WithParamInterface<KeyCase>
{
};

const auto titleField = [](ContentView& view) -> QWidget* { return view.inspector()->titleField(); };
const auto strip = [](ContentView& view) -> QWidget* { return view.strip()->scrollArea(); };
const auto captionEditor
    = [](ContentView& view) -> QWidget* { return view.inspector()->captionEditor()->editor(); };

const KeyCase keyCases[] = {
    { "CtrlVOnTheStripPastesImages", strip, Qt::CTRL | Qt::Key_V,
        [](TesserlyApp& app, FakeBoardPlatform&) { EXPECT_EQ(app.store().photos().size(), 2); } },
    { "CtrlZOnTheStripUndoesTheBoard", strip, Qt::CTRL | Qt::Key_Z,
        [](TesserlyApp& app, FakeBoardPlatform&) { EXPECT_TRUE(app.store().canRedo()); } },
    { "CtrlVInTheTitleFieldPastesText", titleField, Qt::CTRL | Qt::Key_V,
        [](TesserlyApp& app, FakeBoardPlatform&) {
            EXPECT_EQ(app.store().photos().size(), 1);
            EXPECT_EQ(app.store().settings().title, "Copied words");
        } },
    { "CtrlAltVInTheTitleFieldPastesImages", titleField, Qt::CTRL | Qt::ALT | Qt::Key_V,
        [](TesserlyApp& app, FakeBoardPlatform&) { EXPECT_EQ(app.store().photos().size(), 2); } },
    { "CtrlEInTheTitleFieldExports", titleField, Qt::CTRL | Qt::Key_E,
        [](TesserlyApp&, FakeBoardPlatform& platform) { EXPECT_EQ(platform.exportPanels.size(), 1); } },
    { "CtrlZInTheCaptionUndoesTheLastKeystroke", captionEditor, Qt::CTRL | Qt::Key_Z,
        [](TesserlyApp& app, FakeBoardPlatform&) {
            EXPECT_EQ(app.store().photos().first().caption(), "Kit");
            EXPECT_EQ(content(app).inspector()->captionEditor()->editor()->toPlainText(), "Kit");
        } },
};

TEST_P(WindowKeys, ReachTheBoardUnlessATextFieldNeedsThem)
{
    TesserlyApp& app = makeApp();
    addImages(1);
    BoardSettings settings = app.store().settings();
    settings.captionMode = CaptionMode::custom;
    app.store().setSettings(settings);
    app.store().updateCaption(QString(), app.store().photos().first().id());
    showAndActivate();
    m_platform.clipboard.insert("image/png", TestImages::png(QSize(20, 10), Qt::blue));
    QGuiApplication::clipboard()->setText("Copied words");
    QWidget* target = GetParam().focus(content(app));
    target->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(QTest::qWaitFor([target] { return target->hasFocus(); }));
    if (auto* editor = qobject_cast<QPlainTextEdit*>(target)) {
        QTest::keyClicks(editor, "Kite");
        ASSERT_EQ(app.store().photos().first().caption(), "Kite");
    }
    QTest::keyClick(target, GetParam().keys.key(), GetParam().keys.keyboardModifiers());
    waitUntilIdle();
    GetParam().expect(app, m_platform);
}

INSTANTIATE_TEST_SUITE_P(WindowUse, WindowKeys, ::testing::ValuesIn(keyCases),
    [](const ::testing::TestParamInfo<KeyCase>& info) { return std::string(info.param.name); });

// The free area of a 1366 × 768 screen under a 32-point desktop panel, at the top or bottom.
const QRect laptopTop(0, 32, 1366, 736);

TEST(WindowPlacement, FitsTheFreeAreaWithItsTitleBar)
{
    const std::tuple<const char*, QRect, QRect> rows[] = {
        // Room for the default size: centred, the title bar included.
        { "large screen", QRect(0, 0, 1920, 1050), QRect(370, 134, 1180, 820) },
        // Too short for 820: as tall as the area takes, the title bar on screen below the panel.
        { "laptop, panel at the top", laptopTop, QRect(93, 70, 1180, 698) },
        { "laptop, panel at the bottom", QRect(0, 0, 1366, 736), QRect(93, 38, 1180, 698) },
        // Smaller than the window's minimum: the minimum, its top-left corner kept on screen.
        { "tiny screen", QRect(0, 0, 800, 500), QRect(0, 38, 1000, 600) },
    };
    for (const auto& [name, available, expected] : rows) {
        EXPECT_EQ(BoardWindow::placement(
                      available, QSize(1180, 820), QSize(1000, 600), BoardWindow::frameAllowance),
            expected)
            << name;
    }
}

using WindowFit = AppTest;

TEST_F(WindowFit, TheWholeWindowFitsALaptopScreenWithEveryControlReachable)
{
    TesserlyApp& app = makeApp();
    addImages(3);
    BoardWindow& window = app.boardWindow();
    const QSize smallest = window.minimumSizeHint();
    EXPECT_LE(smallest.width(), laptopTop.width());
    EXPECT_LE(smallest.height() + BoardWindow::frameAllowance.top(), laptopTop.height())
        << "menu bar, toolbar, content and title bar";
    window.setGeometry(
        BoardWindow::placement(laptopTop, QSize(1366, 736), smallest, BoardWindow::frameAllowance));
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const QRect inside = window.rect();
    ContentView& view = content(app);
    for (QWidget* control : { static_cast<QWidget*>(view.footer()->copyButton()),
             static_cast<QWidget*>(view.footer()->exportButton()) }) {
        const QRect placed(control->mapTo(&window, QPoint()), control->size());
        EXPECT_TRUE(inside.contains(placed)) << control->metaObject()->className();
    }
    // The inspector scrolls to its last control.
    auto* area = view.inspector()->findChild<QScrollArea*>();
    area->ensureWidgetVisible(view.inspector()->resetButton());
    const QRect reset(view.inspector()->resetButton()->mapTo(area->viewport(), QPoint()),
        view.inspector()->resetButton()->size());
    EXPECT_TRUE(area->viewport()->rect().contains(reset));
}

// The ink's contrast against its paper; its own opacity counts, as faded text has less.
double contrast(const QPalette& palette, QPalette::ColorGroup group, QPalette::ColorRole text)
{
    const QColor ink = palette.color(group, text);
    const QPalette::ColorRole paper = text == QPalette::ButtonText ? QPalette::Button : QPalette::Window;
    return std::abs(ink.lightnessF() - palette.color(group, paper).lightnessF()) * ink.alphaF();
}

TEST_F(WindowFit, ControlsAndLabelsLookDisabledWhileBusyInEitherAppearance)
{
    for (const char* appearance : { "light", "dark" }) {
        SCOPED_TRACE(appearance);
        m_app.reset();
        storeAppearance(QString::fromLatin1(appearance));
        TesserlyApp& app = makeApp();
        addImages(2);
        showAndActivate();
        QWidget* button
            = app.boardWindow().findChild<QToolBar*>()->widgetForAction(content(app).saveBoardAction());
        const std::pair<QWidget*, QPalette::ColorRole> rows[] = { { button, QPalette::ButtonText },
            { content(app).inspector()->paddingSlider()->valueLabel(), QPalette::WindowText } };
        QList<QImage> enabled;
        for (const auto& [widget, text] : rows) {
            enabled.append(widget->grab().toImage());
        }
        app.store().importURLs(QList<QUrl>(8, writeImage("slow.png")));
        ASSERT_TRUE(app.store().isBusy());
        for (const auto& [widget, text] : rows) {
            EXPECT_NE(widget->grab().toImage(), enabled.takeFirst()) << "looks the same disabled";
            EXPECT_LT(contrast(widget->palette(), QPalette::Disabled, text),
                0.8 * contrast(widget->palette(), QPalette::Active, text))
                << "disabled text keeps its full contrast";
        }
        waitUntilIdle();
    }
}

} // namespace
