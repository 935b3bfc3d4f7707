// The main window and its "&Nuevo" command, driven as a user would.
#include "guidriver.h"
#include "mainwindow.h"
#include "projectwindow.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTableWidget>
#include <QTest>
#include <QToolBar>
#include <QTreeWidget>

using namespace GuiDriver;

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void startsAsAnEmptyWorkspace();
    void projectsOpenAndCloseIndependently();
};

void TestMainWindow::startsAsAnEmptyWorkspace()
{
    MainWindow main;
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    QCOMPARE(main.windowTitle(), QStringLiteral("Quintavo"));
    QCOMPARE(main.size(), QSize(800, 600));

    // Menu title, then the texts of its entries.
    QList<QStringList> menus;
    for (QAction *menu : main.menuBar()->actions()) {
        menus << QStringList{menu->text()};
        for (QAction *entry : menu->menu()->actions())
            menus.last() << entry->text();
    }
    QCOMPARE(menus, (QList<QStringList>{{"&Archivo", "&Nuevo", QStringLiteral("&Abrir…"),
                                         "Abrir &reciente", "", "&Guardar",
                                         QStringLiteral("Guardar &como…"), "",
                                         QStringLiteral("&Exportar informe…"),
                                         QStringLiteral("Exportar flujos a &CSV…"),
                                         QStringLiteral("&Imprimir…"), "", "&Salir"},
                                        {QStringLiteral("&Edición")}, {"&Ventana"}, {"A&yuda"}}));
    auto *toolBar = main.findChild<QToolBar *>(QStringLiteral("mainToolBar"));
    QVERIFY(toolBar && toolBar->actions().isEmpty());
    QVERIFY(main.statusBar() && main.statusBar()->currentMessage().isEmpty());
    QVERIFY(main.findChild<QMdiArea *>(QStringLiteral("mdiArea"))->subWindowList().isEmpty());

    main.resize(300, 200);
    QCOMPARE(main.size(), QSize(800, 600));
    main.resize(1000, 700);
    QCOMPARE(main.size(), QSize(1000, 700));
}

void TestMainWindow::projectsOpenAndCloseIndependently()
{
    MainWindow main;
    main.show();
    auto *area = main.findChild<QMdiArea *>(QStringLiteral("mdiArea"));
    const QList<ProjectWindow *> projects{newProject(&main), newProject(&main), newProject(&main)};
    QCOMPARE(area->subWindowList().size(), 3);
    for (ProjectWindow *project : projects) {
        QCOMPARE(project->windowTitle(), QStringLiteral("Proyecto[*]"));
        QVERIFY(project->isVisible());
        QCOMPARE(tree(project)->topLevelItemCount(), 1);
    }

    typeIntoCell(panelTable(projects.at(0)), 1, QStringLiteral("7"));
    QPointer<ProjectWindow> gone(projects.at(1));
    area->subWindowList().at(1)->close();
    QTRY_VERIFY(gone.isNull());
    QCOMPARE(area->subWindowList().size(), 2);
    QCOMPARE(area->subWindowList().at(0)->widget(), projects.at(0));
    QCOMPARE(area->subWindowList().at(1)->widget(), projects.at(2));
    QCOMPARE(panelTable(projects.at(0))->item(1, 0)->text(), QStringLiteral("7"));
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
