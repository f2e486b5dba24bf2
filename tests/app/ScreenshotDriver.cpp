// Not a test: scripts/screenshots.sh runs this under Xvfb to photograph the real window, menu bar
// and alerts included. It is disabled so that the ordinary suite never opens windows on a display.
#include "AppTestSupport.h"

#include "app/BoardWindow.h"
#include "app/TesserlyCommands.h"
#include "io/ImageImportService.h"
#include "store/BoardStore.h"
#include "support/StoreTesting.h"
#include "ui/ContentView.h"
#include "ui/PhotoStripView.h"
#include "ui/QtBoardPlatform.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPainter>
#include <QPainterPath>
#include <QRandomGenerator>
#include <QScreen>
#include <QScrollArea>
#include <QTest>
#include <QTimer>

namespace {

// A made-up landscape: sky, sun, two ranges of hills and a little grain, so the board looks like
// a board of photographs rather than of flat colour.
QByteArray scene(int seed, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const int hue = (seed * 47 + 190) % 360;
    QLinearGradient sky(0, 0, 0, size.height());
    sky.setColorAt(0, QColor::fromHsv(hue, 90, 235));
    sky.setColorAt(0.7, QColor::fromHsv((hue + 30) % 360, 60, 250));
    painter.fillRect(image.rect(), sky);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor::fromHsv((hue + 180) % 360, 70, 255, 230));
    const double w = size.width();
    const double h = size.height();
    painter.drawEllipse(QPointF(w * (0.2 + 0.06 * (seed % 10)), h * 0.3), h * 0.09, h * 0.09);
    for (int range = 0; range < 2; ++range) {
        QPainterPath hills;
        hills.moveTo(0, h);
        const double base = h * (0.55 + 0.15 * range);
        for (int x = 0; x <= 8; ++x) {
            const double wave = std::sin((x + seed * 1.7 + range * 2.3) * 0.9) * h * 0.08;
            hills.lineTo(w * x / 8.0, base + wave);
        }
        hills.lineTo(w, h);
        hills.closeSubpath();
        painter.setBrush(QColor::fromHsv((hue + 90 + range * 20) % 360, 110 + range * 40, 150 - range * 50));
        painter.drawPath(hills);
    }
    painter.end();
    QRandomGenerator grain { quint32(seed) };
    for (int y = 0; y < size.height(); y += 2) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            const int noise = int(grain.bounded(9)) - 4;
            const QRgb pixel = line[x];
            line[x] = qRgb(std::clamp(qRed(pixel) + noise, 0, 255), std::clamp(qGreen(pixel) + noise, 0, 255),
                std::clamp(qBlue(pixel) + noise, 0, 255));
        }
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG", 88);
    return bytes;
}

QList<BoardPhoto> tenPhotos()
{
    const QStringList names { "beach.jpg", "harbour.jpg", "ridge-walk.jpg", "old-town.jpg", "lighthouse.jpg",
        "market.jpg", "dunes.jpg", "fjord.jpg", "vineyard.jpg", "summit.jpg" };
    QList<BoardPhoto> photos;
    for (int index = 0; index < names.size(); ++index) {
        const QSize size = index % 4 == 3 ? QSize(900, 1200) : QSize(1600, 1200);
        photos.append(ImageImportService::load(scene(index + 1, size), names[index]));
    }
    return photos;
}

// The window as it fits a 1366 × 768 laptop screen under a 32-point panel.
const QRect windowGeometry(0, 0, 1366, 736);

class Screenshots : public AppTest
{
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        directory = qEnvironmentVariable("TESSERLY_SCREENSHOT_DIR", QStringLiteral("docs/screenshots"));
        QDir().mkpath(directory);
    }

    BoardWindow& openWindow(const QString& appearance)
    {
        m_app.reset();
        storeAppearance(appearance);
        TesserlyApp& app = makeApp();
        BoardWindow& window = app.boardWindow();
        window.setGeometry(windowGeometry);
        window.show();
        QApplication::setActiveWindow(&window);
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
        return window;
    }

    void installTenPhotos(BoardBackground background)
    {
        BoardSettings settings;
        settings.columns = 4;
        settings.outputWidth = 2400;
        settings.cellAspect = CellAspect::landscape;
        settings.captionMode = CaptionMode::filename;
        settings.cornerRadius = 12;
        settings.title = QStringLiteral("Summer walks 2024");
        settings.background = background;
        StoreTesting::installBoard(m_app->store(), photos, settings);
        m_app->store().setSelectedPhotoID(photos.at(2).id());
        // The keyboard on the strip: its ring shows.
        m_app->boardWindow().content()->strip()->scrollArea()->setFocus(Qt::TabFocusReason);
    }

    void saveWindow(const QString& name)
    {
        QTest::qWait(300);
        ASSERT_TRUE(m_app->boardWindow().grab().save(directory + QLatin1Char('/') + name))
            << name.toStdString();
    }

    // The screen around the window while an alert is open over it.
    void saveScreen(const QString& name)
    {
        QTest::qWait(300);
        const QPixmap shot = m_app->boardWindow().screen()->grabWindow(0).copy(windowGeometry);
        ASSERT_TRUE(shot.save(directory + QLatin1Char('/') + name)) << name.toStdString();
    }

    // Shows the next alert the store or a command raises in the desktop's own alert box,
    // photographs it and closes it (which answers it as cancelled).
    void saveNextAlert(const QString& name)
    {
        m_platform.showAlert = [this, name](const AlertRequest& request) {
            m_platform.showAlert = nullptr;
            QTimer::singleShot(0, [this, name] {
                QTRY_VERIFY(qobject_cast<QMessageBox*>(QApplication::activeModalWidget()) != nullptr);
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                box->move(m_app->boardWindow().frameGeometry().center() - box->rect().center());
                saveScreen(name);
                box->reject();
            });
            QtBoardPlatform(&m_app->boardWindow()).runAlert(request);
        };
    }

    QString directory;
    const QList<BoardPhoto> photos = tenPhotos();
};

TEST_F(Screenshots, DISABLED_Capture)
{
    openWindow(QStringLiteral("light"));
    saveWindow(QStringLiteral("empty-board.png"));
    installTenPhotos(BoardBackground::light);
    saveWindow(QStringLiteral("ten-photos.png"));

    // An export held busy: the event loop is not run between starting it and the picture.
    m_platform.exportDestinations.append(QUrl::fromLocalFile(m_folder.filePath(QStringLiteral("board.png"))));
    m_app->store().exportPNG();
    ASSERT_TRUE(m_app->store().isBusy());
    m_app->boardWindow().repaint();
    ASSERT_TRUE(m_app->boardWindow().grab().save(directory + QStringLiteral("/busy-overlay.png")));
    waitUntilIdle();

    ContentView& view = *m_app->boardWindow().content();
    m_app->store().setErrorMessage(
        QStringLiteral("Tesserly could not render \"fjord.jpg\". Remove it and import the image again."));
    QTRY_VERIFY(view.errorAlert() != nullptr && view.errorAlert()->isVisible());
    saveScreen(QStringLiteral("error-alert.png"));
    view.errorAlert()->close();

    saveNextAlert(QStringLiteral("quick-guide-alert.png"));
    m_app->showQuickGuide();

    changeSettings();
    saveNextAlert(QStringLiteral("unsaved-changes-alert.png"));
    m_app->store().newBoard();

    // Saved here, then written by someone else: the next save asks.
    const QUrl project = QUrl::fromLocalFile(m_folder.filePath(QStringLiteral("Summer walks.tesserly")));
    m_platform.projectDestinations.append(project);
    ASSERT_TRUE(m_app->store().saveProject(true));
    QFile manifest(project.toLocalFile() + QStringLiteral("/manifest.json"));
    ASSERT_TRUE(manifest.open(QIODevice::Append));
    manifest.write("\n");
    manifest.close();
    changeSettings();
    saveNextAlert(QStringLiteral("save-conflict-alert.png"));
    EXPECT_FALSE(m_app->store().saveProject(false));

    openWindow(QStringLiteral("dark"));
    installTenPhotos(BoardBackground::dark);
    saveWindow(QStringLiteral("ten-photos-dark.png"));
}

} // namespace
