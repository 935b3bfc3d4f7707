// The main window and its "&Nuevo" command, driven as a user would.
#include "guidriver.h"
#include "mainwindow.h"
#include "projectwindow.h"

#include <QAction>
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
    void cannotShrinkBelowStartSize();
    void eachNuevoOpensOneMoreProject();
    void closingOneProjectLeavesTheOthers();
};

void TestMainWindow::startsAsAnEmptyWorkspace()
{
    MainWindow main;
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));

    QCOMPARE(main.windowTitle(), QStringLiteral("Quintavo"));
    QCOMPARE(main.size(), QSize(800, 600));

    QStringList titles;
    for (QAction *menuAction : main.menuBar()->actions())
        titles << menuAction->text();
    QCOMPARE(titles, (QStringList{"&Archivo", "&Edición", "&Ventana", "A&yuda"}));

    const QList<QAction *> menus = main.menuBar()->actions();
    QCOMPARE(menus.at(0)->menu()->actions().size(), 1);
    QCOMPARE(menus.at(0)->menu()->actions().at(0)->text(), QStringLiteral("&Nuevo"));
    for (int m = 1; m < menus.size(); ++m)
        QVERIFY2(menus.at(m)->menu()->actions().isEmpty(), qPrintable(menus.at(m)->text()));

    auto *toolBar = main.findChild<QToolBar *>(QStringLiteral("mainToolBar"));
    QVERIFY(toolBar && toolBar->actions().isEmpty());
    QVERIFY(main.statusBar() && main.statusBar()->currentMessage().isEmpty());
    QVERIFY(main.findChild<QMdiArea *>(QStringLiteral("mdiArea"))->subWindowList().isEmpty());
}

void TestMainWindow::cannotShrinkBelowStartSize()
{
    MainWindow main;
    main.show();
    main.resize(300, 200);
    QCOMPARE(main.size(), QSize(800, 600));
    main.resize(1000, 700);
    QCOMPARE(main.size(), QSize(1000, 700));
}

void TestMainWindow::eachNuevoOpensOneMoreProject()
{
    MainWindow main;
    main.show();
    auto *area = main.findChild<QMdiArea *>(QStringLiteral("mdiArea"));

    ProjectWindow *first = newProject(&main);
    tree(first)->topLevelItem(0)->setText(0, QStringLiteral("sin cambios"));
    ProjectWindow *second = newProject(&main);
    ProjectWindow *third = newProject(&main);

    QCOMPARE(area->subWindowList().size(), 3);
    for (ProjectWindow *project : {first, second, third}) {
        QCOMPARE(project->windowTitle(), QStringLiteral("Proyecto"));
        QVERIFY(project->isVisible());
        QCOMPARE(tree(project)->topLevelItemCount(), 1);
    }
    QCOMPARE(tree(first)->topLevelItem(0)->text(0), QStringLiteral("sin cambios"));

    // One process-wide counter numbers the first alternative of every window.
    const QString name2 = tree(second)->topLevelItem(0)->text(0);
    const QString name3 = tree(third)->topLevelItem(0)->text(0);
    QVERIFY(name2.startsWith(QLatin1String("Proyecto ")));
    QCOMPARE(name3.mid(9).toInt(), name2.mid(9).toInt() + 1);
}

void TestMainWindow::closingOneProjectLeavesTheOthers()
{
    MainWindow main;
    main.show();
    auto *area = main.findChild<QMdiArea *>(QStringLiteral("mdiArea"));
    ProjectWindow *keep = newProject(&main);
    ProjectWindow *gone = newProject(&main);
    QPointer<ProjectWindow> goneGuard(gone);
    typeIntoCell(panelTable(keep), 1, QStringLiteral("7"));

    QMdiSubWindow *sub = area->subWindowList().constLast();
    QCOMPARE(sub->widget(), gone);
    sub->close();
    QTRY_VERIFY(goneGuard.isNull());

    QCOMPARE(area->subWindowList().size(), 1);
    QCOMPARE(area->subWindowList().constFirst()->widget(), keep);
    QCOMPARE(panelTable(keep)->item(1, 0)->text(), QStringLiteral("7"));
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
