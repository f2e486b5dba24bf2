// Not a test: scripts/screenshots.sh runs this under Xvfb to photograph the real window.
// It is disabled so that the ordinary suite never opens windows on a display.
#include "ui/UiTesting.h"

#include "io/ImageImportService.h"
#include "model/LoadedBoard.h"
#include "ui/ContentView.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QMainWindow>
#include <QMessageBox>
#include <QPainter>
#include <QPainterPath>
#include <QRandomGenerator>
#include <QScreen>
#include <QTest>
#include <QToolBar>

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

class Screenshots : public UiTest
{
protected:
    void SetUp() override
    {
        directory = qEnvironmentVariable("TESSERLY_SCREENSHOT_DIR", QStringLiteral("docs/screenshots"));
        QDir().mkpath(directory);
        window.setWindowTitle(QStringLiteral("Untitled Board — Tesserly"));
        window.setCentralWidget(view);
        window.addToolBar(view->toolBar());
        window.resize(1180, 820);
        window.move(40, 30);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    void save(const QString& name, bool wholeScreen = false)
    {
        QTest::qWait(250);
        const QPixmap shot
            = wholeScreen ? window.screen()->grabWindow(0).copy(QRect(20, 10, 1220, 860)) : window.grab();
        ASSERT_TRUE(shot.save(directory + QLatin1Char('/') + name)) << name.toStdString();
    }

    QString directory;
    QMainWindow window;
    ContentView* view = new ContentView(store);
};

TEST_F(Screenshots, DISABLED_Capture)
{
    save(QStringLiteral("empty-board.png"));

    BoardSettings settings = workedExampleSettings();
    settings.title = QStringLiteral("Summer walks 2024");
    StoreTesting::installBoard(store, tenPhotos(), settings);
    store.setSelectedPhotoID(idAt(2));
    save(QStringLiteral("ten-photos.png"));

    settings.background = BoardBackground::dark;
    store.setSettings(settings);
    save(QStringLiteral("ten-photos-dark.png"));

    // An export held busy: the event loop is not run between starting it and the picture.
    platform.exportDestinations.append(QUrl::fromLocalFile(folder.filePath(QStringLiteral("board.png"))));
    store.exportPNG();
    ASSERT_TRUE(store.isBusy());
    view->repaint();
    const QPixmap busy = window.grab();
    ASSERT_TRUE(busy.save(directory + QStringLiteral("/busy-overlay.png")));
    ASSERT_TRUE(StoreTesting::waitUntilIdle(store));

    store.setErrorMessage(
        QStringLiteral("Tesserly could not render \"fjord.jpg\". Remove it and import the image again."));
    QTRY_VERIFY(view->errorAlert() != nullptr && view->errorAlert()->isVisible());
    save(QStringLiteral("error-alert.png"), true);
    view->errorAlert()->close();
}

} // namespace
