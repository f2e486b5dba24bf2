// Photographs the real board window, menu bar and alerts included, on the display it is given
// (scripts/screenshots.sh runs it under Xvfb). The desktop's panels are scripted, the alerts are
// the desktop's own, and the user settings live in a folder of their own.
// Usage: tesserly_screenshots <output-folder>
#include "app/BoardWindow.h"
#include "app/TesserlyApp.h"
#include "io/ImageImportService.h"
#include "support/FakeBoardPlatform.h"
#include "support/StoreTesting.h"
#include "ui/ContentView.h"
#include "ui/PhotoStripView.h"
#include "ui/QtBoardPlatform.h"

#include <cstdio>
#include <cstdlib>
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
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

void require(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "tesserly_screenshots: %s\n", what);
        std::exit(1);
    }
}

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

class Session
{
public:
    explicit Session(QString directory)
        : m_directory(std::move(directory))
    { }

    BoardWindow& openWindow(const QString& appearance)
    {
        m_app.reset();
        QSettings(QStringLiteral("Vandrel"), QStringLiteral("Tesserly"))
            .setValue(QStringLiteral("appearance"), appearance);
        m_app = std::make_unique<TesserlyApp>(m_platform);
        BoardWindow& window = m_app->boardWindow();
        window.setGeometry(windowGeometry);
        window.show();
        QApplication::setActiveWindow(&window);
        require(QTest::qWaitForWindowExposed(&window), "the window was never shown");
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
        StoreTesting::installBoard(m_app->store(), m_photos, settings);
        m_app->store().setSelectedPhotoID(m_photos.at(2).id());
        // The keyboard on the strip: its ring shows.
        m_app->boardWindow().content()->strip()->scrollArea()->setFocus(Qt::TabFocusReason);
    }

    void save(const QPixmap& picture, const QString& name)
    {
        require(picture.save(m_directory + QLatin1Char('/') + name), qPrintable(name));
        std::printf("%s\n", qPrintable(name));
    }

    void saveWindow(const QString& name)
    {
        QTest::qWait(300);
        save(m_app->boardWindow().grab(), name);
    }

    // The screen around the window while an alert is open over it.
    void saveScreen(const QString& name)
    {
        QTest::qWait(300);
        save(m_app->boardWindow().screen()->grabWindow(0).copy(windowGeometry), name);
    }

    // Shows the next alert the store or a command raises in the desktop's own alert box,
    // photographs it and closes it (which answers it as cancelled).
    void saveNextAlert(const QString& name)
    {
        m_platform.showAlert = [this, name](const AlertRequest& request) {
            m_platform.showAlert = nullptr;
            QTimer::singleShot(0, [this, name] {
                require(QTest::qWaitFor(
                            [] { return qobject_cast<QMessageBox*>(QApplication::activeModalWidget()); }),
                    "the alert never showed");
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                box->move(m_app->boardWindow().frameGeometry().center() - box->rect().center());
                saveScreen(name);
                box->reject();
            });
            QtBoardPlatform(&m_app->boardWindow()).runAlert(request);
        };
    }

    void changeSettings()
    {
        BoardSettings settings = m_app->store().settings();
        settings.title += QStringLiteral("x");
        m_app->store().setSettings(settings);
    }

    void waitUntilIdle() { require(StoreTesting::waitUntilIdle(m_app->store()), "the board stayed busy"); }

    void run()
    {
        openWindow(QStringLiteral("light"));
        saveWindow(QStringLiteral("empty-board.png"));
        installTenPhotos(BoardBackground::light);
        saveWindow(QStringLiteral("ten-photos.png"));

        // An export held busy: the event loop is not run between starting it and the picture.
        m_platform.exportDestinations.append(
            QUrl::fromLocalFile(m_files.filePath(QStringLiteral("board.png"))));
        m_app->store().exportPNG();
        require(m_app->store().isBusy(), "the export did not start");
        m_app->boardWindow().repaint();
        save(m_app->boardWindow().grab(), QStringLiteral("busy-overlay.png"));
        waitUntilIdle();

        ContentView& view = *m_app->boardWindow().content();
        m_app->store().setErrorMessage(
            QStringLiteral("Tesserly could not render \"fjord.jpg\". Remove it and import the image again."));
        require(QTest::qWaitFor([&view] { return view.errorAlert() && view.errorAlert()->isVisible(); }),
            "the error alert never showed");
        saveScreen(QStringLiteral("error-alert.png"));
        view.errorAlert()->close();

        saveNextAlert(QStringLiteral("quick-guide-alert.png"));
        m_app->showQuickGuide();

        changeSettings();
        saveNextAlert(QStringLiteral("unsaved-changes-alert.png"));
        m_app->store().newBoard();

        // Saved here, then written by someone else: the next save asks.
        const QUrl project = QUrl::fromLocalFile(m_files.filePath(QStringLiteral("Summer walks.tesserly")));
        m_platform.projectDestinations.append(project);
        require(m_app->store().saveProject(true), "the project was not saved");
        QFile manifest(project.toLocalFile() + QStringLiteral("/manifest.json"));
        require(manifest.open(QIODevice::Append), "the manifest could not be changed");
        manifest.write("\n");
        manifest.close();
        changeSettings();
        saveNextAlert(QStringLiteral("save-conflict-alert.png"));
        m_app->store().saveProject(false);

        openWindow(QStringLiteral("dark"));
        installTenPhotos(BoardBackground::dark);
        saveWindow(QStringLiteral("ten-photos-dark.png"));
        m_app.reset();
    }

private:
    QString m_directory;
    QTemporaryDir m_files;
    FakeBoardPlatform m_platform;
    std::unique_ptr<TesserlyApp> m_app;
    const QList<BoardPhoto> m_photos = tenPhotos();
};

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    const QString directory = QApplication::arguments().value(1, QStringLiteral("docs/screenshots"));
    require(QDir().mkpath(directory), "the output folder could not be made");
    // The user's own settings (appearance, recent boards) are neither read nor changed.
    QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings.path());
    Session(QDir(directory).absolutePath()).run();
    return 0;
}
