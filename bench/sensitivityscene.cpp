// Opens the main window with one project of three alternatives maximised,
// shows "Sensibilidad" and scrolls its report to one picture of the second
// alternative, and stays open for a screenshot (bench/screenshot.sh).
//
// Usage: bench_sensitivityscene [seconds] [tornado|spider|histogram]
#include "benchproject.h"
#include "mainwindow.h"
#include "projectwindow.h"

#include <QAbstractTextDocumentLayout>
#include <QAction>
#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTimer>
#include <QTreeWidget>

#include <algorithm>
#include <cstdlib>

namespace {

// Scrolls `view` so that the picture named `name` is near the top.
void scrollTo(QTextEdit *view, const QString &name)
{
    QTextDocument *document = view->document();
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (format.isImageFormat() && format.toImageFormat().name() == name) {
                const QRectF place = document->documentLayout()->blockBoundingRect(block);
                view->verticalScrollBar()->setValue(static_cast<int>(place.top()) - (name.contains(QLatin1String("tornado")) ? 260 : 40));
                return;
            }
        }
    }
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    app.setWindowIcon(MainWindow::applicationIcon());
    const int seconds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
    const QString picture = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral("tornado");

    MainWindow main;
    main.move(0, 0);
    main.resize(1280, 800);
    auto *area = main.findChild<QMdiArea *>(QStringLiteral("mdiArea"));
    main.findChild<QAction *>(QStringLiteral("action_Nuevo"))->trigger();
    QMdiSubWindow *sub = area->subWindowList().constLast();
    sub->setWindowTitle(QStringLiteral("Planta de envasado"));
    auto *plant = qobject_cast<ProjectWindow *>(sub->widget());

    using K = CashFlow;
    BenchProject p(plant);
    const int manual = p.addAlternative(QStringLiteral("Línea manual"), 20, 0.12);
    p.addFlow(manual, false, K::Uniform, QStringLiteral("Inversión"), 18500000, 0, 1, 0);
    p.addFlow(manual, false, K::Arithmetic, QStringLiteral("Operación"), 2400000, 95000, 20, 1);
    p.addFlow(manual, true, K::Geometric, QStringLiteral("Ventas"), 6100000, 0.035, 20, 1);
    const int automatic = p.addAlternative(QStringLiteral("Línea automática"), 20, 0.12);
    p.addFlow(automatic, false, K::Uniform, QStringLiteral("Inversión"), 41000000, 0, 1, 0);
    p.addFlow(automatic, false, K::Uniform, QStringLiteral("Operación"), 1150000, 0, 20, 1);
    p.addFlow(automatic, true, K::Geometric, QStringLiteral("Ventas"), 7900000, 0.045, 20, 1);
    p.addFlow(automatic, true, K::Uniform, QStringLiteral("Salvamento"), 3500000, 0, 1, 20);
    const int outsourced = p.addAlternative(QStringLiteral("Subcontratar"), 20, 0.12);
    p.addFlow(outsourced, false, K::Uniform, QStringLiteral("Contrato"), 4650000, 0, 20, 1);
    p.addFlow(outsourced, true, K::Uniform, QStringLiteral("Ventas"), 6100000, 0, 20, 1);
    p.tree()->setCurrentItem(p.tree()->topLevelItem(automatic));
    main.show();
    sub->showMaximized();
    QTimer::singleShot(500, plant, [plant, picture] {
        plant->findChild<QPushButton *>(QStringLiteral("pbSensibilidad"))->click();
        QTimer::singleShot(500, plant, [plant, picture] {
            scrollTo(plant->report(), QStringLiteral("quintavo:%1-1").arg(picture));
        });
    });
    QTimer::singleShot(seconds * 1000, &app, &QCoreApplication::quit);
    return app.exec();
}
