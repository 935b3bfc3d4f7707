// Start-up child: Quintavo's main window with one project window open, as the
// user has it after "&Nuevo". Prints the moment it is on screen, then exits.
#include "exposeprobe.h"
#include "mainwindow.h"

#include <QAction>
#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    MainWindow window;
    window.findChild<QAction *>(QStringLiteral("action_Nuevo"))->trigger();
    new ExposeProbe(&window);
    window.show();
    return app.exec();
}
