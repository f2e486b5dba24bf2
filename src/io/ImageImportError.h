#pragma once

#include "model/BoardFailure.h"

#include <QSize>

class ImageImportError : public BoardFailure
{
public:
    enum class Kind {
        notLocalFile,
        emptyFile,
        fileTooLarge,
        boardTooLarge,
        unreadableImage,
        unsupportedFormat,
        dimensionsTooLarge,
    };

    explicit ImageImportError(Kind kind)
        : m_kind(kind)
    { }
    // Says which limit the image broke: a side over the limit, or else the pixel count.
    static ImageImportError dimensionsTooLarge(QSize size);

    Kind kind() const { return m_kind; }
    QString description() const override;
    static QString description(Kind kind);

private:
    Kind m_kind;
    bool m_sideTooLarge = false;
};
