#include "cli/RenderCommand.h"

#include "cli/BoardAssembler.h"
#include "cli/CommandLineError.h"
#include "cli/RenderHelp.h"
#include "io/AtomicFileWriter.h"
#include "io/ProjectPackage.h"
#include "render/BoardRenderer.h"
#include "render/BoardRenderError.h"

#include <QDir>
#include <QFile>
#include <QUrl>

#include <sys/stat.h>

namespace {

bool sameFile(const QString& first, const QString& second)
{
    struct stat firstStatus = {};
    struct stat secondStatus = {};
    return ::stat(QFile::encodeName(first).constData(), &firstStatus) == 0
        && ::stat(QFile::encodeName(second).constData(), &secondStatus) == 0
        && firstStatus.st_dev == secondStatus.st_dev && firstStatus.st_ino == secondStatus.st_ino;
}

void writeBoard(const RenderOptions& options, const BoardAssembler::Board& board, int outputDescriptor)
{
    switch (options.outputFormat) {
    case RenderOptions::OutputFormat::png:
        AtomicFileWriter::write(
            options.output, BoardRenderer::pngData(board.photos, board.settings, board.pictures));
        break;
    case RenderOptions::OutputFormat::pdf:
        AtomicFileWriter::write(
            options.output, BoardRenderer::pdfData(board.photos, board.settings, board.pictures));
        break;
    case RenderOptions::OutputFormat::standardOutput:
        AtomicFileWriter::writeAll(
            outputDescriptor, BoardRenderer::pngData(board.photos, board.settings, board.pictures));
        break;
    case RenderOptions::OutputFormat::project:
        ProjectPackage::save(board.photos, board.settings,
            QUrl::fromLocalFile(QDir::cleanPath(QDir::current().absoluteFilePath(options.output))));
        break;
    }
}

} // namespace

void RenderCommand::checkInputsSurvive(const RenderOptions& options)
{
    // Originals are never changed: an export may not land on one of its own images. Writing a
    // project back over the project it was read from is an ordinary save.
    if (options.outputFormat == RenderOptions::OutputFormat::standardOutput
        || (options.readsProject() && options.outputFormat == RenderOptions::OutputFormat::project)) {
        return;
    }
    for (const QString& input : options.inputs) {
        if (sameFile(input, options.output)) {
            throw CommandLineError(QStringLiteral("OUTPUT would replace the input \"%1\"").arg(input));
        }
    }
}

int RenderCommand::run(const RenderOptions& options, int outputDescriptor, QTextStream& standardError)
{
    QStringList refused;
    try {
        checkInputsSurvive(options);
        const BoardAssembler::Board board = BoardAssembler::assemble(options);
        refused = board.refused;
        for (const QString& line : refused) {
            standardError << line << '\n';
        }
        // A project of nothing is not what was asked for when every image was refused.
        if (board.photos.isEmpty() && !options.readsProject()) {
            throw BoardRenderError(BoardRenderError::Kind::emptyBoard);
        }
        writeBoard(options, board, outputDescriptor);
    } catch (const CommandLineError& error) {
        standardError << "tesserly render: " << error.description() << '\n' << RenderHelp::usage();
        standardError.flush();
        return usageError;
    } catch (const BoardFailure& error) {
        standardError << error.description() << '\n';
        standardError.flush();
        return failed;
    } catch (const std::exception& error) {
        standardError << QString::fromLocal8Bit(error.what()) << '\n';
        standardError.flush();
        return failed;
    }
    standardError.flush();
    return refused.isEmpty() ? written : writtenWithRefusals;
}
