#pragma once

#include "render/BoardFont.h"

#include <QFont>
#include <QString>

class QPaintDevice;

// The board's typeface: Inter Regular, Medium and SemiBold from the system's font folder, loaded
// once for the whole process, with the default sans-serif as fallback. The export and the
// on-screen preview both take their fonts from here so that their text metrics agree.
class BoardFonts
{
public:
    enum class Role {
        // SemiBold
        title,
        // Regular
        caption,
        // Medium. Qt 6.4 cannot switch on Inter's tabular figures, so numbers use plain digits;
        // the badge's width comes from the layout, never from the text, so this changes no geometry.
        number,
    };

    // The role's font at pixelSize layout units for drawing on `device`. Sizes may be
    // fractional. Safe on any thread.
    static BoardFont font(Role role, double pixelSize, const QPaintDevice& device);

    // The family the board draws with: "Inter" when it could be loaded, else the default sans-serif.
    static QString family();

private:
    static const QString& loadedFamily();
};
