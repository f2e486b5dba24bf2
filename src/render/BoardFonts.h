#pragma once

#include "render/BoardFont.h"

#include <QFont>
#include <QString>
#include <QStringList>

class QPaintDevice;

// The board's typeface: Regular, Medium and SemiBold faces derived from Inter at build time and
// compiled in, so every character is drawn with its own glyph (no contextual alternates) and the
// PDF's text layer reads back as typed. Characters those faces lack come from the fallback
// families that the set-up installs, in a fixed order, so an export looks the same on every
// machine. The export and the on-screen preview both take their fonts from here so that their
// text metrics agree.
class BoardFonts
{
public:
    enum class Role {
        // SemiBold
        title,
        // Regular
        caption,
        // Medium, whose digits are Inter's tabular figures.
        number,
    };

    // The role's font at pixelSize layout units for drawing on `device`. Sizes may be
    // fractional. Safe on any thread.
    static BoardFont font(Role role, double pixelSize, const QPaintDevice& device);

    // The family the board draws with: the derived faces' when they could be loaded, else the
    // default sans-serif.
    static QString family();

    // The families tried in order for a character: the board's, then emoji and symbols, then
    // Chinese, Japanese and Korean, then the remaining scripts.
    static QStringList families();

private:
    static const QString& loadedFamily();
};
