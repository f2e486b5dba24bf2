#pragma once

#include <functional>
#include <QLatin1StringView>
#include <QObject>

class QMenuBar;

// The "About Tesserly" item, at the end of the Help menu as on this desktop. It opens the About
// window, or brings the open one to the front.
class AboutCommand : public QObject
{
    Q_OBJECT

public:
    static constexpr QLatin1StringView title { "About Tesserly" };

    AboutCommand(QMenuBar& menuBar, std::function<void()> openAboutWindow);
};
