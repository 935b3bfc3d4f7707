#include "mainwindow.h"
#include "standardtexts.h"

#include <QApplication>
#include <QCommandLineParser>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    app.setWindowIcon(MainWindow::applicationIcon());
    QApplication::setOrganizationName(QStringLiteral("Quintavo"));
    QApplication::setApplicationName(QStringLiteral("quintavo"));
    QApplication::setApplicationVersion(QStringLiteral(QUINTAVO_VERSION));

    // Qt's own dialogs speak Spanish like the rest.
    StandardTexts qtTexts;
    if (!qtTexts.isEmpty())
        QApplication::installTranslator(&qtTexts);

    QCommandLineParser parser;
    parser.setApplicationDescription(QApplication::translate(
        "main", "Evaluación económica de alternativas de inversión."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("archivo"),
                                 QApplication::translate("main", "Proyectos que se abren al empezar."),
                                 QStringLiteral("[archivo…]"));
    parser.process(app);

    MainWindow window;
    window.show();
    window.recoverProjects();
    for (const QString &file : parser.positionalArguments())
        window.openFile(file);
    return app.exec();
}
