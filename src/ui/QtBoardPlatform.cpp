#include "ui/QtBoardPlatform.h"

#include "model/ContentTypes.h"
#include "render/BoardRenderer.h"
#include "ui/AlertPresentation.h"
#include "ui/PackageFileDialog.h"
#include "ui/PanelFolders.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QMimeDatabase>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

namespace {

const QString pngMimeType = QStringLiteral("image/png");

} // namespace

QtBoardPlatform::QtBoardPlatform(QWidget* window)
    : m_window(window)
{ }

QWidget* QtBoardPlatform::parentWindow() const
{
    return m_window ? m_window.data() : QApplication::activeWindow();
}

QStringList QtBoardPlatform::nameFilters(const PanelRequest& request)
{
    QStringList patterns;
    for (const QString& suffix : request.suffixes) {
        patterns.append(QStringLiteral("*.") + suffix);
    }
    const QString patternText = QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
    if (request.suffixes.contains(QString(ContentTypes::projectExtension))) {
        return { QCoreApplication::translate("QtBoardPlatform", "Tesserly Projects") + patternText };
    }
    if (request.mimeTypes.size() == 1) {
        const QMimeType type = QMimeDatabase().mimeTypeForName(request.mimeTypes.first());
        if (type.isValid() && !type.comment().isEmpty()) {
            QString name = type.comment();
            name[0] = name[0].toUpper();
            return { name + patternText };
        }
    }
    return { QCoreApplication::translate("QtBoardPlatform", "Images") + patternText };
}

QString QtBoardPlatform::withSuffix(const QString& path, const PanelRequest& request)
{
    const QString suffix = QFileInfo(path).suffix();
    for (const QString& allowed : request.suffixes) {
        if (suffix.compare(allowed, Qt::CaseInsensitive) == 0) {
            return path;
        }
    }
    return request.suffixes.isEmpty() ? path : path + QLatin1Char('.') + request.suffixes.first();
}

void QtBoardPlatform::addMessage(QFileDialog& dialog, const QString& message)
{
    auto* grid = qobject_cast<QGridLayout*>(dialog.layout());
    if (message.isEmpty() || grid == nullptr) {
        return;
    }
    auto* label = new QLabel(message, &dialog);
    label->setObjectName(QStringLiteral("panelMessage"));
    label->setWordWrap(true);
    grid->addWidget(label, grid->rowCount(), 0, 1, grid->columnCount());
}

QList<QUrl> QtBoardPlatform::chooseImageFiles(const PanelRequest& request)
{
    QFileDialog dialog(parentWindow(), request.title);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    dialog.setNameFilters(nameFilters(request));
    if (!request.confirmButton.isEmpty()) {
        dialog.setLabelText(QFileDialog::Accept, request.confirmButton);
    }
    dialog.setDirectory(PanelFolders::folder(PanelFolders::Purpose::images));
    addMessage(dialog, request.message);
    if (dialog.exec() != QDialog::Accepted) {
        return {};
    }
    PanelFolders::remember(PanelFolders::Purpose::images, dialog.selectedFiles().value(0));
    QList<QUrl> urls;
    for (const QString& path : chosenFiles(dialog)) {
        urls.append(QUrl::fromLocalFile(path));
    }
    return urls;
}

QStringList QtBoardPlatform::typedNames(const QString& text)
{
    // Several names are typed in quotes: "kite.jpg" "notes.txt"; one name needs none.
    if (!text.contains(QLatin1Char('"'))) {
        return text.trimmed().isEmpty() ? QStringList() : QStringList { text };
    }
    QStringList names;
    const QStringList parts = text.split(QLatin1Char('"'));
    for (qsizetype index = 1; index < parts.size(); index += 2) {
        if (!parts[index].isEmpty()) {
            names.append(parts[index]);
        }
    }
    return names;
}

QStringList QtBoardPlatform::chosenFiles(const QFileDialog& dialog)
{
    // Qt's dialog answers with the names selected in its list, which never holds a file its type
    // filter hides: typing "kite.jpg" "notes.txt" returned only kite.jpg, and the import never
    // saw notes.txt to report it. Every typed name is passed on; the import refuses what it must.
    QStringList files;
    const auto* field = dialog.findChild<const QLineEdit*>(QStringLiteral("fileNameEdit"));
    const QDir folder = dialog.directory();
    for (const QString& name : typedNames(field ? field->text() : QString())) {
        const QString path = QDir::cleanPath(folder.absoluteFilePath(name));
        if (!files.contains(path)) {
            files.append(path);
        }
    }
    for (const QString& path : dialog.selectedFiles()) {
        if (!files.contains(QDir::cleanPath(path))) {
            files.append(QDir::cleanPath(path));
        }
    }
    return files;
}

std::optional<QUrl> QtBoardPlatform::chooseProjectToOpen(const PanelRequest& request)
{
    PackageFileDialog dialog(
        parentWindow(), request.title, QString(ContentTypes::projectExtension), QFileDialog::AcceptOpen);
    dialog.setNameFilters(nameFilters(request));
    dialog.setDirectory(PanelFolders::folder(PanelFolders::Purpose::projects));
    addMessage(dialog, request.message);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    const QString path = dialog.chosenPackage().value_or(dialog.selectedFiles().value(0));
    PanelFolders::remember(PanelFolders::Purpose::projects, path);
    return path.isEmpty() ? std::nullopt : std::optional<QUrl>(QUrl::fromLocalFile(path));
}

std::optional<QUrl> QtBoardPlatform::chooseProjectDestination(const PanelRequest& request)
{
    PackageFileDialog dialog(
        parentWindow(), request.title, QString(ContentTypes::projectExtension), QFileDialog::AcceptSave);
    dialog.setNameFilters(nameFilters(request));
    dialog.setDefaultSuffix(QString(ContentTypes::projectExtension));
    dialog.setDirectory(PanelFolders::folder(PanelFolders::Purpose::projects));
    dialog.selectFile(request.proposedName);
    addMessage(dialog, request.message);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    const QString path = dialog.chosenPackage().value_or(dialog.selectedFiles().value(0));
    PanelFolders::remember(PanelFolders::Purpose::projects, path);
    return path.isEmpty() ? std::nullopt
                          : std::optional<QUrl>(QUrl::fromLocalFile(withSuffix(path, request)));
}

std::optional<QUrl> QtBoardPlatform::chooseExportDestination(const PanelRequest& request)
{
    QFileDialog dialog(parentWindow(), request.title);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(nameFilters(request));
    if (!request.suffixes.isEmpty()) {
        dialog.setDefaultSuffix(request.suffixes.first());
    }
    dialog.setDirectory(PanelFolders::folder(PanelFolders::Purpose::exports));
    dialog.selectFile(request.proposedName);
    addMessage(dialog, request.message);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    PanelFolders::remember(PanelFolders::Purpose::exports, dialog.selectedFiles().first());
    return QUrl::fromLocalFile(withSuffix(dialog.selectedFiles().first(), request));
}

std::optional<qsizetype> QtBoardPlatform::runAlert(const AlertRequest& request)
{
    QMessageBox box(AlertPresentation::icon(request.icon), QStringLiteral("Tesserly"), request.message,
        QMessageBox::NoButton, parentWindow());
    box.setInformativeText(request.informativeText);
    AlertPresentation::emphasiseMessage(box);
    QList<QAbstractButton*> buttons;
    for (const QString& title : request.buttons) {
        // One role for all keeps the buttons in the order given.
        QPushButton* button = box.addButton(title, QMessageBox::ActionRole);
        buttons.append(button);
        // The store's Cancel, in whichever language it was written.
        if (title == QCoreApplication::translate("BoardStore", "Cancel")) {
            box.setEscapeButton(button);
        }
    }
    if (request.defaultButton >= 0 && request.defaultButton < buttons.size()) {
        box.setDefaultButton(static_cast<QPushButton*>(buttons.at(request.defaultButton)));
    }
    box.exec();
    const qsizetype index = buttons.indexOf(box.clickedButton());
    return index >= 0 ? std::optional<qsizetype>(index) : std::nullopt;
}

QList<QUrl> QtBoardPlatform::clipboardFileURLs()
{
    QList<QUrl> files;
    if (const QMimeData* data = QGuiApplication::clipboard()->mimeData()) {
        for (const QUrl& url : data->urls()) {
            if (url.isLocalFile()) {
                files.append(url);
            }
        }
    }
    return files;
}

std::optional<QByteArray> QtBoardPlatform::clipboardData(const QString& mimeType)
{
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (data == nullptr || !data->hasFormat(mimeType)) {
        return std::nullopt;
    }
    // The bytes as offered, never an image re-encoded by Qt.
    return data->data(mimeType);
}

bool QtBoardPlatform::copyPNGToClipboard(const QByteArray& pngData)
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    auto* data = new QMimeData;
    data->setData(pngMimeType, pngData);
    clipboard->setMimeData(data);
    const QMimeData* placed = clipboard->mimeData();
    return placed != nullptr && placed->data(pngMimeType) == pngData;
}

void QtBoardPlatform::revealInFileManager(const QUrl& fileURL)
{
    const QUrl folder = QUrl::fromLocalFile(QFileInfo(fileURL.toLocalFile()).absolutePath());
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        QDesktopServices::openUrl(folder);
        return;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.FileManager1"),
        QStringLiteral("/org/freedesktop/FileManager1"), QStringLiteral("org.freedesktop.FileManager1"),
        QStringLiteral("ShowItems"));
    call << QStringList { fileURL.toString() } << QString();
    // Asynchronous: a file manager that is slow to start must not freeze the window.
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call, 5000), qApp);
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, qApp, [watcher, folder] {
        if (watcher->isError()) {
            QDesktopServices::openUrl(folder);
        }
        watcher->deleteLater();
    });
}

std::shared_ptr<QPagedPaintDevice> QtBoardPlatform::choosePrinter(const QString& documentName)
{
    auto printer = std::make_shared<QPrinter>(QPrinter::HighResolution);
    printer->setDocName(documentName);
    printer->setCreator(BoardRenderer::pdfCreator());
    QPrintDialog dialog(printer.get(), parentWindow());
    // The board is always one page: there is no page range or selection to choose.
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    if (dialog.exec() != QDialog::Accepted) {
        return nullptr;
    }
    return printer;
}
