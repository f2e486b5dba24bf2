#pragma once

#include "store/BoardPlatform.h"

#include <QMessageBox>

// How the window's alerts look: the icon of what they say, and the main message set off from
// the details below it, as the desktop's own alerts do.
class AlertPresentation
{
public:
    static QMessageBox::Icon icon(AlertIcon icon);
    // The main message in a heavier font when details follow it.
    static void emphasiseMessage(QMessageBox& box);
};
