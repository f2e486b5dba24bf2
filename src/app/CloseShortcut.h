#pragma once

class QWidget;

// Lets a window close with the desktop's Close key or Escape, like a panel.
class CloseShortcut
{
public:
    static void install(QWidget* window);
};
