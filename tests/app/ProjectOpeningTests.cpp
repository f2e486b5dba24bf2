#include "AppTestSupport.h"

#include "app/BoardWindow.h"
#include "app/TesserlyAppDelegate.h"
#include "support/TestImages.h"

#include "io/ImageImportService.h"

#include <QDir>
#include <QFile>
#include <QMimeDatabase>
#include <QRegularExpression>
#include <QTest>

TEST(ProjectArgumentTest, TheFirstProjectInAnyLetterCaseIsChosen)
{
    const QUrl image = QUrl::fromLocalFile(QStringLiteral("/photos/beach.png"));
    const QUrl first = QUrl::fromLocalFile(QStringLiteral("/boards/Trip.TESSERLY"));
    const QUrl second = QUrl::fromLocalFile(QStringLiteral("/boards/Other.Tesserly"));
    EXPECT_EQ(TesserlyAppDelegate::firstProject({ image, first, second }), first);
    EXPECT_EQ(
        TesserlyAppDelegate::firstProject({ QUrl::fromLocalFile(QStringLiteral("/boards/Trip.tesserly/")) }),
        QUrl::fromLocalFile(QStringLiteral("/boards/Trip.tesserly/")));
    EXPECT_EQ(TesserlyAppDelegate::firstProject({ image }), std::nullopt);
    EXPECT_EQ(TesserlyAppDelegate::firstProject({}), std::nullopt);
    EXPECT_EQ(TesserlyAppDelegate::firstProject({ QUrl::fromLocalFile(QStringLiteral("/boards/tesserly")),
                  QUrl::fromLocalFile(QStringLiteral("/boards/Trip.tesserly.zip")) }),
        std::nullopt);
}

TEST(ProjectArgumentTest, ArgumentsBecomeAbsoluteFileURLs)
{
    const QList<QUrl> urls = TesserlyAppDelegate::urlsFromArguments({ QStringLiteral("Trip.tesserly"),
        QStringLiteral("/tmp/A B.tesserly"), QStringLiteral("file:///tmp/C.tesserly"),
        QStringLiteral("https://example.com/D.tesserly"), QString() });
    ASSERT_EQ(urls.size(), 3);
    EXPECT_EQ(
        urls[0], QUrl::fromLocalFile(QDir::current().absoluteFilePath(QStringLiteral("Trip.tesserly"))));
    EXPECT_EQ(urls[1].toLocalFile(), QStringLiteral("/tmp/A B.tesserly"));
    EXPECT_EQ(urls[2].toLocalFile(), QStringLiteral("/tmp/C.tesserly"));
}

using ProjectOpeningTest = AppTest;

TEST_F(ProjectOpeningTest, AProjectHandedOverAtStartOpensOnceTheWindowIsShown)
{
    TesserlyApp& app = makeApp();
    const QUrl image = writeImage(QStringLiteral("beach.png"));
    const QUrl trip = writeProject(QStringLiteral("Trip.TESSERLY"));
    const QUrl other = writeProject(QStringLiteral("Other.TESSERLY"));
    EXPECT_EQ(app.boardWindow().windowTitle(), QStringLiteral("Untitled Board \u2014 Tesserly"));

    app.openFiles({ image, trip, other });
    EXPECT_EQ(app.delegate().pendingProjectURL(), trip);
    EXPECT_FALSE(app.store().isBusy()) << "nothing opens before the window";

    // A second request before the window exists replaces the first.
    app.openFiles({ other });
    EXPECT_EQ(app.delegate().pendingProjectURL(), other);
    app.openFiles({ image, trip, other });

    app.showBoardWindow();
    EXPECT_EQ(app.delegate().pendingProjectURL(), std::nullopt);
    EXPECT_EQ(app.delegate().store(), &app.store());
    waitUntilIdle();
    EXPECT_EQ(app.store().projectURL(), trip);
    EXPECT_EQ(app.store().statusMessage(), QStringLiteral("Opened Trip"));
    EXPECT_EQ(app.boardWindow().windowTitle(), QStringLiteral("Trip \u2014 Tesserly"));

    // Showing the window again opens nothing further.
    app.boardWindow().hide();
    app.showBoardWindow();
    EXPECT_FALSE(app.store().isBusy());
}

TEST_F(ProjectOpeningTest, ImagesHandedOverAtStartAreAddedAsAddImagesAddsThem)
{
    TesserlyApp& app = makeApp();
    const QUrl beach = writeImage(QStringLiteral("beach.png"));
    const QUrl notes
        = QUrl::fromLocalFile(TestImages::writeFile(m_folder, QStringLiteral("notes.png"), "not an image"));
    const QUrl harbour = writeImage(QStringLiteral("harbour.png"));
    app.openFiles({ beach, notes, harbour });
    EXPECT_EQ(app.delegate().pendingImageURLs().size(), 3);
    EXPECT_TRUE(app.store().photos().isEmpty()) << "nothing is added before the window";

    app.showBoardWindow();
    EXPECT_TRUE(app.delegate().pendingImageURLs().isEmpty());
    waitUntilIdle();
    QStringList captions;
    for (const BoardPhoto& photo : app.store().photos()) {
        captions << photo.fileName();
    }
    EXPECT_EQ(captions, QStringList({ QStringLiteral("beach.png"), QStringLiteral("harbour.png") }));
    EXPECT_EQ(app.store().statusMessage(), QStringLiteral("Added 2 images"));
    ASSERT_TRUE(app.store().errorMessage());
    EXPECT_TRUE(app.store().errorMessage()->startsWith(QStringLiteral("notes.png")))
        << app.store().errorMessage()->toStdString();
    EXPECT_EQ(app.store().projectURL(), std::nullopt);
    // Added, like chosen files: the board is edited and the addition can be undone.
    EXPECT_TRUE(app.store().hasUnsavedChanges());
    EXPECT_TRUE(app.store().canUndo());
}

TEST_F(ProjectOpeningTest, WhileTheWindowIsShownProjectsOpenAndImagesAreAdded)
{
    TesserlyApp& app = makeApp();
    app.showBoardWindow();
    app.openFiles({ writeImage(QStringLiteral("beach.png")) });
    EXPECT_TRUE(app.store().isBusy());
    waitUntilIdle();
    EXPECT_EQ(app.store().photos().size(), 1);

    // With a project among the files, the project opens and the images are not added.
    const QUrl trip = writeProject(QStringLiteral("Trip.tesserly"));
    m_platform.alertAnswers = { 1 };
    app.openFiles({ writeImage(QStringLiteral("harbour.png")), trip });
    waitUntilIdle();
    EXPECT_EQ(app.store().projectURL(), trip);
    EXPECT_TRUE(app.store().photos().isEmpty());

    // With unsaved changes the store asks first; cancelling keeps the board.
    changeSettings();
    m_platform.alertAnswers = { 2 };
    app.openFiles({ writeProject(QStringLiteral("Next.tesserly")) });
    EXPECT_FALSE(app.store().isBusy());
    EXPECT_EQ(app.store().projectURL(), trip);
    EXPECT_EQ(app.boardWindow().windowTitle(), QStringLiteral("Trip \u00B7 Edited \u2014 Tesserly"));
}

TEST_F(ProjectOpeningTest, TheDesktopFileOffersEveryImageTypeTheImportReads)
{
    QFile entry(QStringLiteral(QT_TESTCASE_SOURCEDIR "/../resources/tesserly.desktop"));
    ASSERT_TRUE(entry.open(QIODevice::ReadOnly));
    const QRegularExpression mimeLine(QStringLiteral("^MimeType=(.*)$"), QRegularExpression::MultilineOption);
    const QStringList offered
        = mimeLine.match(QString::fromUtf8(entry.readAll())).captured(1).split(u';', Qt::SkipEmptyParts);
    ASSERT_TRUE(offered.contains(QStringLiteral("application/x-tesserly-project")));
    const QList<std::pair<QString, QByteArray>> files {
        { QStringLiteral("a.png"), TestImages::png(QSize(8, 6)) },
        { QStringLiteral("a.jpg"), TestImages::jpeg(QSize(8, 6)) },
        { QStringLiteral("a.heic"), TestImages::heic(QSize(8, 6)) },
        { QStringLiteral("a.heif"), TestImages::heif(QSize(8, 6)) },
        { QStringLiteral("a.tiff"), TestImages::tiff(QSize(8, 6)) },
        { QStringLiteral("a.gif"), TestImages::gif(QSize(8, 6)) },
        { QStringLiteral("a.bmp"), TestImages::bmp(QSize(8, 6)) },
    };
    for (const auto& [name, bytes] : files) {
        const QString path = TestImages::writeFile(m_folder, name, bytes);
        EXPECT_EQ(ImageImportService::load(QList<QUrl> { QUrl::fromLocalFile(path) }).photos.size(), 1)
            << name.toStdString();
        const QMimeType type = QMimeDatabase().mimeTypeForFile(path);
        const QStringList names = QStringList { type.name() } + type.aliases();
        EXPECT_TRUE(std::any_of(
            names.cbegin(), names.cend(), [&offered](const QString& mime) { return offered.contains(mime); }))
            << name.toStdString() << " is " << type.name().toStdString();
    }
}
