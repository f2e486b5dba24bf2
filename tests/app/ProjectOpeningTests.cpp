#include "AppTestSupport.h"

#include "app/TesserlyAppDelegate.h"
#include "io/ImageImportService.h"
#include "model/ContentTypes.h"

#include <QFile>
#include <QRegularExpression>

TEST(ProjectArgumentTest, TheFirstProjectInAnyLetterCaseIsChosen)
{
    const auto url = [](const char* path) { return QUrl::fromLocalFile(QString::fromLatin1(path)); };
    const std::pair<QList<QUrl>, std::optional<QUrl>> rows[]
        = { { { url("/photos/beach.png"), url("/b/Trip.TESSERLY"), url("/b/Other.Tesserly") },
                url("/b/Trip.TESSERLY") },
              { { url("/b/Trip.tesserly/") }, url("/b/Trip.tesserly/") },
              { { url("/photos/beach.png") }, std::nullopt },
              { { url("/b/tesserly"), url("/b/Trip.tesserly.zip") }, std::nullopt } };
    for (const auto& [urls, chosen] : rows) {
        EXPECT_EQ(TesserlyAppDelegate::firstProject(urls), chosen);
    }
    EXPECT_EQ(TesserlyAppDelegate::urlsFromArguments({ "Trip.tesserly", "/tmp/A B.tesserly",
                  "file:///tmp/C.tesserly", "https://example.com/D.tesserly", QString() }),
        QList<QUrl>({ QUrl::fromLocalFile(QDir::current().absoluteFilePath("Trip.tesserly")),
            url("/tmp/A B.tesserly"), url("/tmp/C.tesserly") }));
}

using ProjectOpeningTest = AppTest;

TEST_F(ProjectOpeningTest, AProjectHandedOverAtStartOpensOnceTheWindowIsShown)
{
    TesserlyApp& app = makeApp();
    const QUrl image = writeImage("beach.png");
    const QUrl trip = writeProject("Trip.TESSERLY");
    const QUrl other = writeProject("Other.TESSERLY");
    app.openFiles({ image, trip, other });
    EXPECT_EQ(app.delegate().pendingProjectURL(), trip);
    EXPECT_FALSE(app.store().isBusy()) << "nothing opens before the window";
    // A second request before the window exists replaces the first.
    app.openFiles({ other });
    EXPECT_EQ(app.delegate().pendingProjectURL(), other);
    app.openFiles({ image, trip, other });
    app.showBoardWindow();
    EXPECT_EQ(app.delegate().pendingProjectURL(), std::nullopt);
    waitUntilIdle();
    EXPECT_EQ(app.store().projectURL(), trip);
    EXPECT_EQ(app.boardWindow().windowTitle(), "Trip \u2014 Tesserly");
}

TEST_F(ProjectOpeningTest, ImagesHandedOverAtStartAreAddedAsAddImagesAddsThem)
{
    TesserlyApp& app = makeApp();
    const QUrl beach = writeImage("beach.png");
    const QUrl notes = QUrl::fromLocalFile(TestImages::writeFile(m_folder, "notes.png", "not an image"));
    const QUrl harbour = writeImage("harbour.png");
    app.openFiles({ beach, notes, harbour });
    EXPECT_TRUE(app.store().photos().isEmpty()) << "nothing is added before the window";
    app.showBoardWindow();
    waitUntilIdle();
    EXPECT_EQ(StoreTesting::fileNames(app.store().photos()), QStringList({ "beach.png", "harbour.png" }));
    EXPECT_TRUE(app.store().errorMessage().value_or(QString()).startsWith("notes.png"));
    EXPECT_TRUE(app.store().canUndo()) << "added like chosen files, so the addition can be undone";
}

// The desktop offers Tesserly for its projects and exactly the image types the import reads.
TEST(DesktopEntryTest, OffersProjectsAndEveryImageTypeTheImportReads)
{
    QFile entry(QStringLiteral(QT_TESTCASE_SOURCEDIR "/../resources/tesserly.desktop"));
    ASSERT_TRUE(entry.open(QIODevice::ReadOnly));
    const QRegularExpression mimeLine("^MimeType=(.*)$", QRegularExpression::MultilineOption);
    const QStringList offered
        = mimeLine.match(QString::fromUtf8(entry.readAll())).captured(1).split(u';', Qt::SkipEmptyParts);
    EXPECT_EQ(QSet<QString>(offered.cbegin(), offered.cend()),
        ImageImportService::supportedTypes() + QSet<QString> { QString(ContentTypes::projectMimeType) });
}
