#pragma once

#include <functional>
#include <QObject>

class QMenuBar;

// The "About Tesserly" item, at the end of the Help menu as on this desktop. It opens the About
// window, or brings the open one to the front.
class AboutCommand : public QObject
{
    Q_OBJECT

public:
    static constexpr const char* title = QT_TRANSLATE_NOOP("TesserlyCommands", "About Tesserly");

    AboutCommand(QMenuBar& menuBar, std::function<void()> openAboutWindow);
};
