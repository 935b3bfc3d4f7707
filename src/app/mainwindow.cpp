#include "mainwindow.h"

#include "ui_mainwindow.h"

#include "projectwindow.h"

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
    , ui(new Ui_MainWindow)
{
    ui->setupUi(this);
}

QIcon MainWindow::applicationIcon()
{
    // The resource lives in a static library: it is registered on first use.
    Q_INIT_RESOURCE(quintavo);
    return QIcon(QStringLiteral(":/icons/quintavo.svg"));
}

MainWindow::~MainWindow()
{
    delete ui;
}

void MainWindow::on_action_Nuevo_triggered()
{
    auto *project = new ProjectWindow(ui->mdiArea);
    ui->mdiArea->addSubWindow(project, Qt::WindowFlags());
    project->show();
}
