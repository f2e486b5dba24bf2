#include "app/TesserlyApp.h"

#include <QApplication>
#include <QMainWindow>

int TesserlyApp::run(int argc, char** argv)
{
    QApplication application(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Untitled Board \u2014 Tesserly"));
    window.resize(1180, 820);
    window.show();
    return application.exec();
}
