#include "mainwindow.h"

#include "ui_mainwindow.h"

#include "dialogs.h"
#include "flowscsv.h"
#include "projectfile.h"
#include "projectwindow.h"
#include "reportexport.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QMdiSubWindow>
#include <QPrinter>
#include <QTextEdit>
#include <QSettings>

namespace {

const QString RecentFilesKey = QStringLiteral("recentFiles");

// The one spelling of a file's path by which open files and the recent list
// are compared.
QString canonical(const QString &path)
{
    const QFileInfo info(path);
    const QString resolved = info.canonicalFilePath();
    return resolved.isEmpty() ? info.absoluteFilePath() : resolved;
}

} // namespace

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
    , ui(new Ui_MainWindow)
{
    ui->setupUi(this);
    connect(ui->mdiArea, &QMdiArea::subWindowActivated, this, &MainWindow::updateActions);
    setRecentFiles(recentFiles());
    updateActions();
}

QIcon MainWindow::applicationIcon()
{
    // The resource lives in a static library: it is registered on first use.
    Q_INIT_RESOURCE(quintavo);
    return QIcon(QStringLiteral(":/icons/quintavo.svg"));
}

MainWindow::~MainWindow()
{
    // The area activates what remains while its windows go; a half
    // destroyed main window must not hear of it.
    ui->mdiArea->disconnect(this);
    delete ui;
}

ProjectWindow *MainWindow::addProject(ProjectWindow *project)
{
    QMdiSubWindow *window = ui->mdiArea->addSubWindow(project, Qt::WindowFlags());
    connect(project, &ProjectWindow::saved, this, &MainWindow::rememberFile);
    connect(project, &ProjectWindow::reportShown, this, &MainWindow::updateActions);
    connect(project, &QObject::destroyed, this, &MainWindow::updateActions, Qt::QueuedConnection);
    project->show();
    ui->mdiArea->setActiveSubWindow(window);
    updateActions();
    return project;
}

void MainWindow::on_action_Nuevo_triggered()
{
    addProject(new ProjectWindow(ui->mdiArea));
}

ProjectWindow *MainWindow::openFile(const QString &path)
{
    const QString file = canonical(path);
    for (QMdiSubWindow *window : ui->mdiArea->subWindowList()) {
        auto *project = qobject_cast<ProjectWindow *>(window->widget());
        if (project && !project->filePath().isEmpty() && canonical(project->filePath()) == file) {
            ui->mdiArea->setActiveSubWindow(window);
            rememberFile(file);
            return project;
        }
    }
    ProjectSnapshot snapshot;
    QString error;
    if (!ProjectFile::read(path, &snapshot, &error)) {
        if (!QFileInfo::exists(path)) {
            QStringList files = recentFiles();
            files.removeAll(file);
            setRecentFiles(files);
        }
        Dialogs::instance()->error(this, error);
        return nullptr;
    }
    auto *project = new ProjectWindow(snapshot, ui->mdiArea);
    project->setFilePath(file);
    addProject(project);
    rememberFile(file);
    return project;
}

void MainWindow::on_action_Abrir_triggered()
{
    for (const QString &path : Dialogs::instance()->openFileNames(this))
        openFile(path);
}

ProjectWindow *MainWindow::activeProject() const
{
    QMdiSubWindow *window = ui->mdiArea->currentSubWindow();
    return window ? qobject_cast<ProjectWindow *>(window->widget()) : nullptr;
}

QList<ProjectWindow *> MainWindow::projects() const
{
    QList<ProjectWindow *> open;
    for (QMdiSubWindow *window : ui->mdiArea->subWindowList(QMdiArea::CreationOrder)) {
        if (auto *project = qobject_cast<ProjectWindow *>(window->widget()))
            open.append(project);
    }
    return open;
}

void MainWindow::on_action_Guardar_triggered()
{
    if (ProjectWindow *project = activeProject())
        project->save();
}

void MainWindow::on_action_Guardar_como_triggered()
{
    if (ProjectWindow *project = activeProject())
        project->saveAs();
}

void MainWindow::on_action_Exportar_triggered()
{
    ProjectWindow *project = activeProject();
    if (!project || project->shownReport() == ProjectWindow::Report::None)
        return;
    const QString file = Dialogs::instance()->exportFileName(this, ReportExport::fileFilter());
    if (file.isEmpty())
        return;
    const QString error = ReportExport::write(*project->report()->document(), file);
    if (!error.isEmpty())
        Dialogs::instance()->error(this, error);
}

void MainWindow::on_action_Exportar_csv_triggered()
{
    ProjectWindow *project = activeProject();
    if (!project || project->shownReport() != ProjectWindow::Report::CashFlows)
        return;
    const QString file = Dialogs::instance()->csvFileName(this);
    if (file.isEmpty())
        return;
    const QString error = FlowsCsv::write(FlowsCsv::cashFlows(project->shownFigures()), file);
    if (!error.isEmpty())
        Dialogs::instance()->error(this, error);
}

void MainWindow::on_action_Imprimir_triggered()
{
    ProjectWindow *project = activeProject();
    if (!project || project->shownReport() == ProjectWindow::Report::None)
        return;
    const QTextDocument &document = *project->report()->document();
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(project->displayName());
    printer.setPageLayout(ReportExport::pageLayout(document));
    if (!Dialogs::instance()->print(this, &printer))
        return;
    document.print(&printer);
    if (printer.printerState() == QPrinter::Error)
        Dialogs::instance()->error(this, tr("No se pudo imprimir el informe de «%1».")
                                             .arg(project->displayName()));
}

void MainWindow::on_action_Salir_triggered()
{
    close();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    const QList<ProjectWindow *> open = projects();
    for (ProjectWindow *project : open) {
        if (!project->isWindowModified())
            continue;
        if (auto *window = qobject_cast<QMdiSubWindow *>(project->parentWidget()))
            ui->mdiArea->setActiveSubWindow(window);
        if (!project->maySaveChanges()) {
            event->ignore();
            return;
        }
    }
    for (ProjectWindow *project : open)
        project->discardChanges();
    ui->mdiArea->closeAllSubWindows();
    event->accept();
}

void MainWindow::updateActions()
{
    const bool open = activeProject() != nullptr;
    ui->action_Guardar->setEnabled(open);
    ui->action_Guardar_como->setEnabled(open);
    const ProjectWindow::Report shown =
        open ? activeProject()->shownReport() : ProjectWindow::Report::None;
    ui->action_Exportar->setEnabled(shown != ProjectWindow::Report::None);
    ui->action_Imprimir->setEnabled(shown != ProjectWindow::Report::None);
    ui->action_Exportar_csv->setEnabled(shown == ProjectWindow::Report::CashFlows);
}

QStringList MainWindow::recentFiles() const
{
    return QSettings().value(RecentFilesKey).toStringList().mid(0, MaxRecentFiles);
}

void MainWindow::rememberFile(const QString &path)
{
    const QString file = canonical(path);
    QStringList files = recentFiles();
    files.removeAll(file);
    files.prepend(file);
    setRecentFiles(files);
}

void MainWindow::setRecentFiles(const QStringList &files)
{
    const QStringList kept = files.mid(0, MaxRecentFiles);
    QSettings().setValue(RecentFilesKey, kept);
    QMenu *menu = ui->menu_Abrir_reciente;
    menu->clear();
    for (int i = 0; i < kept.size(); ++i) {
        const QString file = kept.at(i);
        QAction *entry = menu->addAction(
            QStringLiteral("&%1 %2").arg(i + 1).arg(QDir::toNativeSeparators(file)));
        connect(entry, &QAction::triggered, this, [this, file]() { openRecent(file); });
    }
    menu->setEnabled(!kept.isEmpty());
}

void MainWindow::openRecent(const QString &path)
{
    if (!QFileInfo::exists(path)) {
        QStringList files = recentFiles();
        files.removeAll(path);
        setRecentFiles(files);
        Dialogs::instance()->error(
            this, tr("«%1» ya no existe; se quita de la lista de recientes.")
                      .arg(QDir::toNativeSeparators(path)));
        return;
    }
    openFile(path);
}
