#pragma once

#include "model/BoardFailure.h"

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

    Kind kind() const { return m_kind; }
    QString description() const override;
    static QString description(Kind kind);

private:
    Kind m_kind;
};
