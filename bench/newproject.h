#ifndef NEWPROJECT_H
#define NEWPROJECT_H

#include "mainwindow.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>

// "Archivo" → "Nuevo" in `main`, as a user chooses it: the sub-window of the
// project window it opens.
inline QMdiSubWindow *newProject(MainWindow &main)
{
    main.findChild<QAction *>(QStringLiteral("action_Nuevo"))->trigger();
    return main.findChild<QMdiArea *>(QStringLiteral("mdiArea"))->subWindowList().constLast();
}

#endif // NEWPROJECT_H
