#include "ui/UiTesting.h"

#include "support/PackageBuilder.h"
#include "ui/PackageFileDialog.h"
#include "ui/QtBoardPlatform.h"

#include <QAbstractItemView>
#include <QClipboard>
#include <QDir>
#include <QSettings>
#include <QTimer>

namespace {

class QtBoardPlatformTest : public UiTest
{
protected:
    // The panels remember their folders in the user settings: a fresh place for each test.
    QtBoardPlatformTest()
    {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    }
    // Runs `answer` on the modal dialog as soon as it is shown.
    template <typename Dialog> void whenShown(std::function<void(Dialog*)> answer)
    {
        QTimer::singleShot(0, [answer] {
            ASSERT_TRUE(
                QTest::qWaitFor([] { return qobject_cast<Dialog*>(QApplication::activeModalWidget()); }));
            answer(qobject_cast<Dialog*>(QApplication::activeModalWidget()));
        });
    }
    // Chooses `path` in the next file panel, after looking at it with `first`.
    template <typename Dialog>
    void answerWith(
        const QString& path, std::function<void(Dialog*)> first = [](Dialog*) {})
    {
        whenShown<Dialog>([path, first](Dialog* dialog) {
            first(dialog);
            dialog->selectFile(path);
            QMetaObject::invokeMethod(dialog, "accept");
        });
    }
    static PanelRequest request(const QString& suffix, const QString& proposedName = QString())
    {
        PanelRequest request;
        request.suffixes = { suffix };
        request.proposedName = proposedName;
        return request;
    }
    QString makePackage(const QString& name) { return PackageBuilder().write(folder.filePath(name)); }
    QTemporaryDir settings;
    QtBoardPlatform platform;
};

TEST_F(QtBoardPlatformTest, ClipboardInAndOut)
{
    const QByteArray png = TestImages::png(QSize(10, 10), Qt::blue);
    EXPECT_TRUE(platform.copyPNGToClipboard(png));
    const QMimeData* placed = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(placed, nullptr);
    EXPECT_EQ(placed->formats(), QStringList { "image/png" });
    EXPECT_EQ(platform.clipboardData("image/png"), png);
    EXPECT_FALSE(platform.clipboardData("image/tiff"));
    EXPECT_TRUE(platform.clipboardFileURLs().isEmpty());
    auto* files = new QMimeData;
    files->setUrls({ fileUrl("a.png"), QUrl("https://example.com/b.png"), fileUrl("c.jpg") });
    const QByteArray tiff = TestImages::tiff(QSize(4, 4));
    files->setData("image/tiff", tiff);
    QGuiApplication::clipboard()->setMimeData(files);
    EXPECT_EQ(platform.clipboardFileURLs(), QList<QUrl>({ fileUrl("a.png"), fileUrl("c.jpg") }));
    // Raw bytes as offered, not an image Qt re-encoded.
    EXPECT_EQ(platform.clipboardData("image/tiff"), tiff);
}

TEST_F(QtBoardPlatformTest, FiltersAndSuffixes)
{
    PanelRequest images;
    images.mimeTypes = { "image/png", "image/jpeg" };
    images.suffixes = { "png", "jpg", "jpeg" };
    EXPECT_EQ(QtBoardPlatform::nameFilters(images), QStringList { "Images (*.png *.jpg *.jpeg)" });
    EXPECT_EQ(QtBoardPlatform::withSuffix("/tmp/Trip.TESSERLY", request("tesserly")), "/tmp/Trip.TESSERLY");
    EXPECT_EQ(QtBoardPlatform::withSuffix("/tmp/board.png", request("pdf")), "/tmp/board.png.pdf");
}

TEST_F(QtBoardPlatformTest, AProjectPackageIsPickedAsOneItemAndSavedWithItsSuffix)
{
    const QString package = makePackage("Trip.tesserly");
    // Selected and confirmed with the Open button.
    answerWith<PackageFileDialog>(package);
    EXPECT_EQ(platform.chooseProjectToOpen(request("tesserly")), QUrl::fromLocalFile(package));
    // Entered (a double click): chosen rather than opened as a folder.
    whenShown<PackageFileDialog>([&](PackageFileDialog* dialog) { emit dialog->directoryEntered(package); });
    EXPECT_EQ(platform.chooseProjectToOpen(request("tesserly")), QUrl::fromLocalFile(package));
    // An ordinary folder is entered as usual and is not a choice.
    whenShown<PackageFileDialog>([&](PackageFileDialog* dialog) {
        emit dialog->directoryEntered(folder.path());
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_FALSE(dialog->isPackage(folder.path()));
        dialog->reject();
    });
    EXPECT_FALSE(platform.chooseProjectToOpen(request("tesserly")));
    // Saving proposes the name and adds the suffix.
    const PanelRequest save = request("tesserly", "x-y-z.tesserly");
    QString proposed;
    answerWith<PackageFileDialog>(folder.filePath("Summer"),
        [&proposed](PackageFileDialog* dialog) { proposed = dialog->selectedFiles().value(0); });
    EXPECT_EQ(platform.chooseProjectDestination(save), fileUrl("Summer.tesserly"));
    EXPECT_TRUE(proposed.endsWith("x-y-z.tesserly"));
    // Saving over an existing package asks first.
    const QString existing = makePackage("Kept.tesserly");
    answerWith<PackageFileDialog>(existing, [this](PackageFileDialog*) {
        whenShown<QMessageBox>([](QMessageBox* question) {
            EXPECT_TRUE(question->text().contains("Kept.tesserly"));
            question->button(QMessageBox::Yes)->click();
        });
    });
    EXPECT_EQ(platform.chooseProjectDestination(save), QUrl::fromLocalFile(existing));
}

TEST_F(QtBoardPlatformTest, EveryTypedFileIsChosenWhateverTheFilter)
{
    // The store imports or reports each one; the chooser must not drop any.
    QList<QUrl> typed;
    for (const char* name : { "kite.jpg", "notes.txt", "wood.webp" }) {
        typed.append(QUrl::fromLocalFile(TestImages::writeFile(folder, name, "x")));
    }
    // The names typed into the chooser's name field, then Return.
    whenShown<QFileDialog>([this](QFileDialog* dialog) {
        dialog->setDirectory(folder.path());
        auto* list = dialog->findChild<QAbstractItemView*>("listView");
        ASSERT_TRUE(QTest::qWaitFor([list] { return list->model()->rowCount(list->rootIndex()) > 0; }));
        auto* field = dialog->findChild<QLineEdit*>("fileNameEdit");
        QTest::keyClicks(field, R"("kite.jpg" "notes.txt" "wood.webp")");
        QTest::keyClick(field, Qt::Key_Return);
    });
    EXPECT_EQ(platform.chooseImageFiles(request("jpg")), typed);
}

TEST_F(QtBoardPlatformTest, AlertsKeepTheirButtonsIconAndDefaultAndReportTheChoice)
{
    const std::pair<AlertIcon, QMessageBox::Icon> icons[]
        = { { AlertIcon::information, QMessageBox::Information },
              { AlertIcon::question, QMessageBox::Question }, { AlertIcon::warning, QMessageBox::Warning } };
    for (const auto& [icon, shown] : icons) {
        const AlertRequest request { "Save changes to this board?", "Your images, order and layout.",
            { "Save…", "Discard Changes", "Cancel" }, icon, 1 };
        QStringList order;
        whenShown<QMessageBox>([&](QMessageBox* box) {
            QList<QPushButton*> buttons = box->findChildren<QPushButton*>();
            std::sort(buttons.begin(), buttons.end(),
                [](QPushButton* a, QPushButton* b) { return a->x() < b->x(); });
            for (QPushButton* button : buttons) {
                order.append(button->text());
            }
            EXPECT_EQ(box->icon(), shown);
            EXPECT_EQ(box->text(), request.message);
            EXPECT_EQ(box->informativeText(), request.informativeText);
            QTest::keyClick(box, Qt::Key_Return);
        });
        EXPECT_EQ(platform.runAlert(request), 1) << "Return presses the default button";
        EXPECT_EQ(order, request.buttons);
    }
    // Escape is the Cancel button, whichever is the default.
    whenShown<QMessageBox>([](QMessageBox* box) { QTest::keyClick(box, Qt::Key_Escape); });
    EXPECT_EQ(platform.runAlert({ "Save changes?", QString(), { "Save…", "Discard Changes", "Cancel" } }), 2);
}

TEST_F(QtBoardPlatformTest, EachKindOfPanelStartsInTheFolderLastUsedForIt)
{
    const QString photos = folder.filePath("Photos");
    const QString boards = folder.filePath("Boards");
    const QString exports = folder.filePath("Exports");
    ASSERT_TRUE(QDir().mkpath(photos) && QDir().mkpath(boards) && QDir().mkpath(exports));
    const QString image = TestImages::writeFile(photos, "one.png", TestImages::png(QSize(4, 4)));
    const QString package = makePackage("Boards/Trip.tesserly");
    // Chosen once each.
    answerWith<QFileDialog>(image);
    EXPECT_EQ(platform.chooseImageFiles(request("png")), QList<QUrl> { QUrl::fromLocalFile(image) });
    answerWith<QFileDialog>(package);
    ASSERT_TRUE(platform.chooseProjectToOpen(request("tesserly")));
    answerWith<QFileDialog>(exports + "/board.pdf");
    ASSERT_TRUE(platform.chooseExportDestination(request("pdf", "board.pdf")));
    // A later run: each panel starts where its own purpose was last served.
    QtBoardPlatform later;
    QStringList shown;
    const auto cancel = [&shown](QFileDialog* dialog) {
        shown << dialog->directory().absolutePath();
        dialog->reject();
    };
    whenShown<QFileDialog>(cancel);
    later.chooseImageFiles(request("png"));
    whenShown<QFileDialog>(cancel);
    later.chooseProjectDestination(request("tesserly"));
    whenShown<QFileDialog>(cancel);
    later.chooseExportDestination(request("pdf", "board.pdf"));
    EXPECT_EQ(shown, QStringList({ photos, boards, exports }));
}

} // namespace
