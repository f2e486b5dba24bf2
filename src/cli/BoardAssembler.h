#pragma once

#include "cli/RenderOptions.h"
#include "model/BoardPhoto.h"
#include "model/BoardSettings.h"
#include "render/BoardRenderer.h"

#include <QList>
#include <QStringList>

// Builds the board a render asks for, through the same gates the window uses: images through
// the import service and the board's arrival limits, a project through the project reader.
class BoardAssembler
{
public:
    struct Board
    {
        QList<BoardPhoto> photos;
        BoardSettings settings;
        // One line per refused input, in the window's words, named by the path it was given.
        QStringList refused;
        // Per photo, its tile decoded while it was checked (empty for a project read).
        BoardRenderer::Pictures pictures;
    };

    // Tiles decoded during import are kept for drawing while they hold at most this much.
    static constexpr qint64 keptPictureBytes = 96LL * 1024 * 1024;

    // Throws the project reader's errors, and CommandLineError for more captions than photos.
    static Board assemble(const RenderOptions& options);

private:
    static Board fromImages(const RenderOptions& options);
    static Board fromProject(const RenderOptions& options);
};
