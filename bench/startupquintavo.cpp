// Start-up child: Quintavo's main window with one project window open, as the
// user has it after "&Nuevo", or with the project file given opened (as from
// the command line) and its comparison shown ("open" after the file: only
// opened, which shows the report the file names, "Comparar" by default, as
// a user's open does). Prints the moment it is on
// screen and its peak memory in KiB, then exits.
#include "exposeprobe.h"
#include "mainwindow.h"
#include "projectwindow.h"

#include <QAction>
#include <QApplication>
#include <QPushButton>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    MainWindow window;
    if (argc > 1) {
        ProjectWindow *project = window.openFile(QString::fromLocal8Bit(argv[1]));
        if (!project)
            return 1;
        if ((argc < 3 || QByteArray(argv[2]) != "open")
            && project->shownReport() != ProjectWindow::Report::Comparison)
            project->findChild<QPushButton *>(QStringLiteral("pbComparar"))->click();
    } else {
        window.findChild<QAction *>(QStringLiteral("action_Nuevo"))->trigger();
    }
    new ExposeProbe(&window);
    window.show();
    return app.exec();
}
