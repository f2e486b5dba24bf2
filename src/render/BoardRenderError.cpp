#include "render/BoardRenderError.h"

#include "model/BoardLimits.h"

#include <QCoreApplication>

BoardRenderError::BoardRenderError(Kind kind, QString fileName)
    : m_kind(kind)
    , m_fileName(kind == Kind::invalidImage ? std::move(fileName) : QString())
{ }

QString BoardRenderError::description() const
{
    switch (m_kind) {
    case Kind::invalidImage:
        return QCoreApplication::translate(
            "BoardRenderError", "Tesserly could not render \"%1\". Remove it and import the image again.")
            .arg(m_fileName);
    case Kind::emptyBoard:
        return QCoreApplication::translate("BoardRenderError", "Add at least one image before exporting.");
    case Kind::tooManyImages:
        return BoardLimits::tooManyPhotosText();
    case Kind::oversizedBoard:
        return QCoreApplication::translate("BoardRenderError",
            "This board is too large to export. Increase the column count or choose a smaller export width.");
    case Kind::cannotCreateContext:
        return QCoreApplication::translate("BoardRenderError",
            "There is not enough memory to create this export. Try a smaller export width.");
    case Kind::cannotEncode:
        break;
    }
    return QCoreApplication::translate(
        "BoardRenderError", "Tesserly could not finish the export. Try again with a smaller board.");
}
