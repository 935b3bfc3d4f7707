// Opens the main window with a capitalized-cost project and, in front of it,
// "Herramientas" → "Convertir tasa…" converting 24 % nominal a year
// compounded monthly into an effective monthly rate, and stays open for a
// screenshot (bench/screenshot.sh takes docs/rate-converter.png from it).
//
// Usage: bench_rateconverter [seconds]   (default 20, then it quits by itself)
#include "benchproject.h"
#include "mainwindow.h"
#include "newproject.h"
#include "projectdocument.h"
#include "projectwindow.h"
#include "rateconverterdialog.h"
#include "standardtexts.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QTimer>
#include <QTreeWidget>

#include <algorithm>
#include <cstdlib>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    app.setWindowIcon(MainWindow::applicationIcon());
    StandardTexts qtTexts; // "Cerrar", as the program itself says it
    if (!qtTexts.isEmpty())
        QApplication::installTranslator(&qtTexts);
    const int seconds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;

    MainWindow main;
    main.move(0, 0);
    main.resize(1024, 640);
    QMdiSubWindow *sub = newProject(main);
    auto *project = qobject_cast<ProjectWindow *>(sub->widget());
    BenchProject p(project);
    const int bridge = p.addAlternative(QStringLiteral("Puente"), 0, 0.02);
    p.addFlow(bridge, false, CashFlow::Single, QStringLiteral("Construcción"), 5000000, 0, 1, 0);
    p.addFlow(bridge, false, CashFlow::Uniform, QStringLiteral("Mantenimiento"), 40000, 0, 0, 1);
    // A horizon and a maintenance without end: "∞" in their counts.
    const QString endless = QStringLiteral("\u221E");
    project->document()->setCellText({bridge, -1, -1}, ProjectDocument::HorizonRow, endless);
    project->document()->setCellText({bridge, 1, 1}, 2, endless); // "Número Períodos"
    p.tree()->expandAll();
    p.tree()->setCurrentItem(p.tree()->topLevelItem(bridge));
    main.show();
    sub->showMaximized();

    RateConverterDialog dialog(project, &main);
    dialog.findChild<QLineEdit *>(QStringLiteral("rate"))->setText(QStringLiteral("24 %"));
    dialog.findChild<QComboBox *>(QStringLiteral("kind"))->setCurrentIndex(1); // Nominal vencida
    dialog.findChild<QComboBox *>(QStringLiteral("target"))->setCurrentIndex(5); // Mensual
    dialog.show();
    dialog.move(main.geometry().center() - dialog.rect().center());
    QTimer::singleShot(seconds * 1000, &app, &QCoreApplication::quit);
    return app.exec();
}
