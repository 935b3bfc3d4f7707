#include "mainwindow.h"

#include "ui_mainwindow.h"

#include "projectwindow.h"

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
    , ui(new Ui_MainWindow)
{
    ui->setupUi(this);
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
