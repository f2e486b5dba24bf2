#include "io/ProjectPackage.h"
#include "support/FileTesting.h"
#include "support/StoreTesting.h"

#include <functional>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <tuple>

namespace {
class BoardStoreProjects : public StoreTest
{
protected:
    void makeEdited()
    {
        BoardSettings settings = store.settings();
        settings.columns = settings.columns == 2 ? 3 : 2;
        store.setSettings(settings);
        ASSERT_TRUE(store.hasUnsavedChanges());
    }
};
} // namespace

TEST_F(BoardStoreProjects, SaveAsksWhereOnceAndSaveAsEveryTime)
{
    StoreTesting::installBoard(store, StoreTesting::pngPhotos(2));
    BoardSettings titled;
    // Trimmed, cleaned, then cut to 100 characters without splitting one.
    const QString family = QStringLiteral("\U0001F468\u200D\U0001F469\u200D\U0001F467");
    titled.title = "  x/y:z" + family.repeated(98) + "  ";
    store.setSettings(titled);
    platform.projectDestinations = { fileUrl("First.tesserly"), fileUrl("Second.tesserly") };
    // Save as, save in place, save as somewhere else, a cancelled save as.
    const std::tuple<bool, bool, qsizetype, QString> steps[] = { { false, true, 1, "First" },
        { false, true, 1, "First" }, { true, true, 2, "Second" }, { true, false, 3, "Second" } };
    for (const auto& [saveAs, saved, panels, name] : steps) {
        makeEdited();
        EXPECT_EQ(store.saveProject(saveAs), saved);
        EXPECT_EQ(platform.projectSavePanels.size(), panels);
        EXPECT_EQ(store.projectURL(), fileUrl(name + ".tesserly"));
        EXPECT_EQ(ProjectPackage::load(*store.projectURL()).settings == store.settings(), saved);
        EXPECT_EQ(store.windowSubtitle(), saved ? name : name + QString::fromUtf8(" \u00b7 Edited"));
        EXPECT_EQ(store.statusMessage(), "Board saved");
        EXPECT_TRUE(store.canUndo()) << "saving keeps the history";
    }
    EXPECT_EQ(platform.projectSavePanels.first().proposedName, "x-y-z" + family.repeated(95) + ".tesserly");
}

TEST_F(BoardStoreProjects, OpenAsksAfterChoosingTheFileThenReplacesTheBoardIfItCan)
{
    const QUrl trip = fileUrl("Trip.tesserly");
    ProjectPackage::save(StoreTesting::pngPhotos(3), BoardSettings(), trip);
    StoreTesting::installBoard(store, StoreTesting::fakePhotos(2));
    makeEdited();
    platform.projectsToOpen = { trip, trip };
    platform.alertAnswers = { 2, 1, 1 }; // Cancel, then Discard Changes twice
    store.openProject();
    EXPECT_EQ(platform.openPanels.size(), 1);
    EXPECT_EQ(platform.alerts.size(), 1);
    EXPECT_FALSE(store.isBusy()) << "cancel does not start loading";

    store.openProject();
    ASSERT_TRUE(StoreTesting::waitUntilIdle(store));
    EXPECT_EQ(store.statusMessage(), "Opened Trip");
    EXPECT_EQ(store.photos().size(), 3);
    EXPECT_EQ(store.selectedPhotoID(), store.photos().first().id());
    EXPECT_EQ(store.projectURL(), trip);
    EXPECT_FALSE(store.hasUnsavedChanges() || store.canUndo());

    // A failed open keeps the board as it was.
    ASSERT_TRUE(QDir(folder.path()).mkdir("Broken.tesserly"));
    makeEdited();
    store.openProject(fileUrl("Broken.tesserly"));
    ASSERT_TRUE(StoreTesting::waitUntilIdle(store));
    EXPECT_EQ(store.statusMessage(), "Could not open board");
    EXPECT_TRUE(store.errorMessage() && !store.errorMessage()->isEmpty());
    EXPECT_EQ(store.photos().size(), 3);
    EXPECT_EQ(store.projectURL(), trip);
    EXPECT_TRUE(store.hasUnsavedChanges() && store.canUndo());
}

TEST_F(BoardStoreProjects, ConfirmDiscardChangesAnswersAndANewBoardAsksIt)
{
    EXPECT_TRUE(store.confirmDiscardChanges());
    EXPECT_TRUE(platform.alerts.isEmpty()) << "no question without unsaved changes";

    BoardSettings blank;
    blank.title = " \n\t "; // no name of its own, so the default one is proposed
    StoreTesting::installBoard(store, StoreTesting::pngPhotos(1), blank);
    makeEdited();
    // Discard Changes, Cancel, an alert closed any other way, Save… with its panel cancelled, and
    // Save… to a place; only the last one saves.
    platform.alertAnswers = { 1, 2, std::nullopt, 0, 0 };
    platform.projectDestinations = { std::nullopt, fileUrl("Asked.tesserly") };
    for (const bool answer : { true, false, false, false, true }) {
        EXPECT_EQ(store.confirmDiscardChanges(), answer);
    }
    EXPECT_EQ(platform.projectSavePanels.size(), 2);
    EXPECT_EQ(platform.projectSavePanels.first().proposedName, "Tesserly.tesserly");
    EXPECT_FALSE(store.hasUnsavedChanges());
    EXPECT_EQ(ProjectPackage::load(fileUrl("Asked.tesserly")).photos.size(), 1);

    // A new board asks the same question and then starts over.
    makeEdited();
    platform.alertAnswers = { 1 };
    store.newBoard();
    EXPECT_EQ(platform.alerts.size(), 6);
    EXPECT_TRUE(store.photos().isEmpty());
    EXPECT_EQ(store.settings(), BoardSettings());
    EXPECT_FALSE(
        store.projectURL() || store.hasUnsavedChanges() || store.canUndo() || store.selectedPhotoID());
    EXPECT_EQ(store.windowSubtitle(), "Untitled Board");
}

namespace {
void retitle(BoardStore& board, const QString& title)
{
    BoardSettings settings = board.settings();
    settings.title = title;
    board.setSettings(settings);
}

void append(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::Append));
    file.write(bytes);
}

// Two windows on one project: what happened to the package between this store's opening and its
// save, and whether the save must ask before replacing it.
using Meanwhile = std::function<void(BoardStore& other, const QString& package)>;
const std::tuple<const char*, Meanwhile, bool> conflictCases[] = {
    { "OnlyTouched",
        [](BoardStore&, const QString& package) {
            QFile manifest(package + "/manifest.json");
            ASSERT_TRUE(manifest.open(QIODevice::ReadWrite));
            manifest.setFileTime(QDateTime::currentDateTime().addSecs(60), QFileDevice::FileModificationTime);
        },
        false },
    { "OtherWindowSaved",
        [](BoardStore& other, const QString&) {
            retitle(other, "From the other window");
            ASSERT_TRUE(other.saveProject(false));
        },
        true },
    { "AnImageGrew",
        [](BoardStore&, const QString& package) {
            append(package + "/Images/" + QDir(package + "/Images").entryList(QDir::Files).first(), "x");
        },
        true },
    { "AnImageWasAdded",
        [](BoardStore&, const QString& package) { append(package + "/Images/new.image", ""); }, true },
    { "PackageWasDeleted", [](BoardStore&, const QString& package) { QDir(package).removeRecursively(); },
        false },
};
} // namespace

TEST(SaveConflict, AskBeforeReplacingAPackageChangedByOthers)
{
    for (const auto& [name, meanwhile, asks] : conflictCases) {
        SCOPED_TRACE(name);
        QTemporaryDir folder;
        FakeBoardPlatform platform;
        FakeBoardPlatform otherPlatform;
        BoardStore store { platform };
        BoardStore other { otherPlatform };
        const QUrl url = QUrl::fromLocalFile(folder.filePath("Shared.tesserly"));
        const QString manifest = url.toLocalFile() + "/manifest.json";
        ProjectPackage::save(StoreTesting::pngPhotos(2), BoardSettings(), url);
        for (BoardStore* board : { &store, &other }) {
            board->openProject(url);
            ASSERT_TRUE(StoreTesting::waitUntilIdle(*board));
        }
        meanwhile(other, url.toLocalFile());

        // No answer (the alert closed) and Cancel keep the other window's package, Replace does
        // not; then a store's own save never counts as someone else's change.
        platform.alertAnswers = { std::nullopt, 1, 0 };
        for (int attempt = 0; attempt < 4; ++attempt) {
            SCOPED_TRACE(attempt);
            retitle(store, QString::number(attempt));
            const QByteArray before = FileTesting::fileBytes(manifest);
            const bool kept = asks && attempt < 2;
            EXPECT_EQ(store.saveProject(false), !kept);
            EXPECT_EQ(store.hasUnsavedChanges(), kept);
            if (kept) {
                EXPECT_EQ(FileTesting::fileBytes(manifest), before);
            } else {
                EXPECT_EQ(ProjectPackage::load(url).settings.title, QString::number(attempt));
            }
        }
        ASSERT_EQ(platform.alerts.size(), asks ? 3 : 0);
        if (asks) {
            EXPECT_EQ(platform.alerts.last().message,
                QString::fromUtf8(
                    "\u201CShared.tesserly\u201D was changed by another window or application."));
            EXPECT_EQ(platform.alerts.last().defaultButton, 1) << "Cancel is the default";
        }
    }
}
