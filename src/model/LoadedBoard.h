#pragma once

#include "model/BoardPhoto.h"
#include "model/BoardSettings.h"

#include <QList>

// A whole board as read from a project, or a fresh one for New Board.
struct LoadedBoard
{
    QList<BoardPhoto> photos;
    BoardSettings settings;
};
