#pragma once

#include "model/BoardFailure.h"

#include <QString>

// Why an export could not be made. A failure anywhere abandons the whole output.
class BoardRenderError : public BoardFailure
{
public:
    enum class Kind {
        invalidImage,
        emptyBoard,
        tooManyImages,
        oversizedBoard,
        cannotCreateContext,
        cannotEncode,
    };

    explicit BoardRenderError(Kind kind, QString fileName = {});
    static BoardRenderError invalidImage(const QString& fileName)
    {
        return BoardRenderError(Kind::invalidImage, fileName);
    }

    Kind kind() const { return m_kind; }
    // The photo that could not be drawn; empty for every other kind.
    const QString& fileName() const { return m_fileName; }
    QString description() const override;

    bool operator==(const BoardRenderError& other) const
    {
        return m_kind == other.m_kind && m_fileName == other.m_fileName;
    }

private:
    Kind m_kind;
    QString m_fileName;
};
