// Start-up child: the widgets of Quintavo's main window and one project
// window, built by hand with nothing else, as the yardstick for start-up.
// Prints the moment it is on screen, then exits.
#include "exposeprobe.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QMainWindow>
#include <QMdiArea>
#include <QPushButton>
#include <QTableWidget>
#include <QTextEdit>
#include <QTreeWidget>
#include <QVBoxLayout>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.resize(800, 600);
    auto *area = new QMdiArea;
    window.setCentralWidget(area);

    auto *project = new QWidget;
    auto *columns = new QHBoxLayout(project);
    columns->addWidget(new QTextEdit);
    auto *right = new QVBoxLayout;
    right->addWidget(new QPushButton(QStringLiteral("Visualizar")));
    right->addWidget(new QPushButton(QStringLiteral("Comparar")));
    auto *tree = new QTreeWidget;
    tree->setHeaderLabels({QStringLiteral("Concepto"), QStringLiteral("Descripción")});
    right->addWidget(tree);
    auto *table = new QTableWidget(3, 1);
    table->setVerticalHeaderLabels({QStringLiteral("Nombre"), QStringLiteral("Total Períodos"),
                                    QStringLiteral("Interés de Oportunidad")});
    right->addWidget(table);
    columns->addLayout(right);
    project->setMinimumSize(640, 480);
    area->addSubWindow(project);

    new ExposeProbe(&window);
    window.show();
    return app.exec();
}
