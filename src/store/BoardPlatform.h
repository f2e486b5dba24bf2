#pragma once

#include <memory>
#include <optional>
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>

class QPagedPaintDevice;

// The texts and filters of one file panel. The store decides every text the user reads; the
// platform only shows them.
struct PanelRequest
{
    QString title;
    QString message;
    // Empty: the platform's own confirm button text.
    QString confirmButton;
    // Allowed content types in the order offered, as MIME type names.
    QStringList mimeTypes;
    // Allowed file name extensions without the dot, matching mimeTypes (for types the
    // platform's MIME database may not know, such as the project package).
    QStringList suffixes;
    // Save panels: the proposed file name, extension included.
    QString proposedName;
};

// What an alert is about, shown by its icon.
enum class AlertIcon {
    // A notice or a guide.
    information,
    // The user decides what happens next.
    question,
    // Something failed.
    warning,
};

// A modal alert: its main message, the details under it, and its buttons in order.
struct AlertRequest
{
    QString message;
    QString informativeText;
    QStringList buttons;
    AlertIcon icon = AlertIcon::information;
    // The button that Return presses.
    qsizetype defaultButton = 0;
};

// What the store needs of the desktop: modal panels and alerts, the clipboard and the file
// manager. Every call is made on the GUI thread. The desktop implementation lives with the
// widgets; the tests use a scripted fake.
class BoardPlatform
{
public:
    virtual ~BoardPlatform() = default;

    // Several existing image files, no folders; empty when cancelled. Chooser order is kept.
    virtual QList<QUrl> chooseImageFiles(const PanelRequest& request) = 0;
    // One project package (a folder named *.tesserly picked as one item, never entered).
    virtual std::optional<QUrl> chooseProjectToOpen(const PanelRequest& request) = 0;
    // Destination of a project package; new folders may be created, packages are not entered.
    virtual std::optional<QUrl> chooseProjectDestination(const PanelRequest& request) = 0;
    // Destination of an exported PNG or PDF file; new folders may be created.
    virtual std::optional<QUrl> chooseExportDestination(const PanelRequest& request) = 0;

    // The index of the button that closed the alert; absent when it closed any other way.
    virtual std::optional<qsizetype> runAlert(const AlertRequest& request) = 0;

    // Local-file URLs on the clipboard, in clipboard order.
    virtual QList<QUrl> clipboardFileURLs() = 0;
    // The clipboard's raw bytes for one MIME type ("image/png", "image/tiff"); absent when the
    // clipboard does not offer that type.
    virtual std::optional<QByteArray> clipboardData(const QString& mimeType) = 0;
    // Replaces the clipboard's contents with one item holding only these PNG bytes; false when
    // the clipboard did not take them.
    virtual bool copyPNGToClipboard(const QByteArray& pngData) = 0;

    // Shows and selects a written file in the file manager.
    virtual void revealInFileManager(const QUrl& fileURL) = 0;

    // The desktop's print dialog: the printer as the user set it up, to be drawn on from a
    // worker thread; nullptr when cancelled. `documentName` names the print job.
    virtual std::shared_ptr<QPagedPaintDevice> choosePrinter(const QString& documentName) = 0;
};
