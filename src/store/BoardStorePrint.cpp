#include "store/BoardStore.h"

#include "render/BoardRenderer.h"
#include "store/BoardPlatform.h"
#include "store/BoardStoreJob.h"

#include <QCoreApplication>

#include <QPagedPaintDevice>

namespace {
QString printingText()
{
    return QCoreApplication::translate("BoardStore", "Printing board\u2026");
}
QString printedText()
{
    return QCoreApplication::translate("BoardStore", "Board printed");
}
QString printFailedText()
{
    return QCoreApplication::translate("BoardStore", "Print failed");
}
QString printerRefusedText()
{
    return QCoreApplication::translate(
        "BoardStore", "The board could not be printed. Check the printer, then try again.");
}
} // namespace

void BoardStore::printBoard()
{
    if (!canExport()) {
        return;
    }
    const std::shared_ptr<QPagedPaintDevice> printer = m_platform.choosePrinter(suggestedName());
    if (!printer) {
        return;
    }
    // Copies taken now, as for an export: edits made while the page is drawn do not reach it.
    const QList<BoardPhoto> photos = m_photos;
    const BoardSettings settings = m_settings.normalized();
    runInBackground<bool>(
        printingText(),
        [printer, photos, settings] { return BoardRenderer::printOnPage(*printer, photos, settings); },
        [this](std::optional<bool> printed, const QString& error) {
            setBusy(false);
            if (!printed || !*printed) {
                setErrorMessage(printed ? printerRefusedText() : error);
                setStatusMessage(printFailedText());
                return;
            }
            setStatusMessage(printedText());
        });
}
