#include "store/BoardStore.h"

#include "io/AtomicFileWriter.h"
#include "render/BoardRenderer.h"
#include "store/BoardPlatform.h"
#include "store/BoardStoreJob.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {
QString exportFailedText()
{
    return QCoreApplication::translate("BoardStore", "Export failed");
}
QString preparingCopyText()
{
    return QCoreApplication::translate("BoardStore", "Preparing board for clipboard\u2026");
}
QString copiedText()
{
    return QCoreApplication::translate("BoardStore", "Board copied as PNG");
}
QString copyFailedText()
{
    return QCoreApplication::translate("BoardStore", "Copy failed");
}
QString clipboardRefusedText()
{
    return QCoreApplication::translate(
        "BoardStore", "The board could not be copied. Try exporting a PNG instead.");
}
} // namespace

void BoardStore::exportPNG()
{
    exportBoard(false);
}

void BoardStore::exportPDF()
{
    exportBoard(true);
}

void BoardStore::exportBoard(bool asPDF)
{
    if (!canExport()) {
        return;
    }
    const QString suffix = asPDF ? QStringLiteral("pdf") : QStringLiteral("png");
    PanelRequest request;
    request.title = asPDF ? QCoreApplication::translate("BoardStore", "Export Board as PDF")
                          : QCoreApplication::translate("BoardStore", "Export Board as PNG");
    request.mimeTypes = { asPDF ? QStringLiteral("application/pdf") : QStringLiteral("image/png") };
    request.suffixes = { suffix };
    request.proposedName = suggestedName() + QLatin1Char('.') + suffix;
    const std::optional<QUrl> destination = m_platform.chooseExportDestination(request);
    if (!destination || destination->isEmpty()) {
        return;
    }
    // Copies taken now: edits made while the export runs do not reach it.
    const QList<BoardPhoto> photos = m_photos;
    const BoardSettings settings = m_settings.normalized();
    const QUrl url = *destination;
    runInBackground<QUrl>(
        asPDF ? QCoreApplication::translate("BoardStore", "Exporting PDF\u2026")
              : QCoreApplication::translate("BoardStore", "Exporting PNG\u2026"),
        [photos, settings, url, asPDF] {
            const QByteArray bytes
                = asPDF ? BoardRenderer::pdfData(photos, settings) : BoardRenderer::pngData(photos, settings);
            AtomicFileWriter::write(url.toLocalFile(), bytes);
            return url;
        },
        [this](std::optional<QUrl> written, const QString& error) {
            setBusy(false);
            if (!written) {
                setErrorMessage(error);
                setStatusMessage(exportFailedText());
                return;
            }
            setStatusMessage(QCoreApplication::translate("BoardStore", "Saved %1")
                                 .arg(QFileInfo(written->path()).fileName()));
            m_platform.revealInFileManager(*written);
        });
}

void BoardStore::copyPNG()
{
    if (!canExport()) {
        return;
    }
    const QList<BoardPhoto> photos = m_photos;
    const BoardSettings settings = m_settings.normalized();
    runInBackground<QByteArray>(
        preparingCopyText(), [photos, settings] { return BoardRenderer::pngData(photos, settings); },
        [this](std::optional<QByteArray> png, const QString& error) {
            setBusy(false);
            if (!png) {
                setErrorMessage(error);
                setStatusMessage(copyFailedText());
                return;
            }
            if (!m_platform.copyPNGToClipboard(*png)) {
                setErrorMessage(clipboardRefusedText());
                setStatusMessage(copyFailedText());
                return;
            }
            setStatusMessage(copiedText());
        });
}
