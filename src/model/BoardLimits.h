#pragma once

#include <QString>
#include <QtGlobal>

// Every size and count check in the program uses these constants, and every text that names a
// limit is built here from them, so a limit and its wording change together. All limits are
// inclusive: a value equal to the limit is allowed.
class BoardLimits
{
public:
    static constexpr qint64 maxPhotos = 60;
    static constexpr qint64 maxSourceFileBytes = 67'108'864;
    static constexpr qint64 maxTotalSourceBytes = 268'435'456;
    static constexpr qint64 maxOutputPixels = 64'000'000;
    static constexpr qint64 maxOutputDimension = 16'384;
    // The largest image taken, per side and in pixels.
    static constexpr qint64 maxImageSide = 32'768;
    static constexpr qint64 maxImagePixels = 100'000'000;

    // "A board can contain up to 60 images."
    static QString tooManyPhotosText();
    // Add Images on a full board.
    static QString addingToFullBoardText();
    // Drop and paste on a full board.
    static QString fullBoardText();
    // The inputs of one import call beyond the 60 it reads.
    static QString skippedInputsLine(qsizetype count);
    // The chosen files beyond the board's free places.
    static QString excessInputsLine(qsizetype count);
    // The dropped items beyond the board's free places.
    static QString excessDropItemsLine(qsizetype count);
    // A photo that arrived after the board filled up, or whose bytes would pass the board's total.
    static QString boardFullLine(const QString& fileName);
    static QString boardBytesLine(const QString& fileName);
    // One input beyond the 60 that a board takes, named on its own.
    static QString beyondCountLine(const QString& fileName);

    static QString fileTooLargeText();
    static QString boardTooLargeText();
    // A project's image record or file outside 1 byte to the per-file limit.
    static QString storedImageTooLargeText();
    static QString imageSideTooLargeText();
    static QString imagePixelsTooLargeText();
};
