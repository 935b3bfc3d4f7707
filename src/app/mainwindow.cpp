#include "mainwindow.h"

#include "ui_mainwindow.h"

#include "decisionrows.h"
#include "dialogs.h"
#include "fileplaces.h"
#include "guidewindow.h"
#include "flowscsv.h"
#include "projectfile.h"
#include "projectmenu.h"
#include "projectwindow.h"
#include "rateconverterdialog.h"
#include "recoverystore.h"
#include "reportkey.h"
#include "reportheader.h"
#include "recoverywriter.h"
#include "reportexport.h"
#include "workbookexport.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPrinter>
#include <QSettings>
#include <QTextEdit>
#include <QUndoGroup>
#include <QUndoStack>
#include <QUrl>

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

// A name or a path as the text of a menu entry: an "&" in it shows as
// typed instead of making the next letter a keyboard shortcut.
QString asMenuText(QString text)
{
    return text.replace(QLatin1Char('&'), QLatin1String("&&"));
}

} // namespace

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
    , ui(new Ui_MainWindow)
{
    ui->setupUi(this);
    // After the form: the project windows go before the store that keeps their copies.
    recovery = new RecoveryStore(this);
    setUpMenus();
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
    undoGroup->addStack(project->undoStack());
    new RecoveryWriter(project, recovery);
    connect(project, &QObject::destroyed, this, &MainWindow::updateActions, Qt::QueuedConnection);
    // Alone, a project fills the area; beside others it takes most of it,
    // where the area places it, so that its report and panel both show.
    if (ui->mdiArea->subWindowList().size() == 1) {
        window->showMaximized();
    } else {
        window->resize((QSizeF(ui->mdiArea->viewport()->size()) * 0.8).toSize()
                           .expandedTo(window->minimumSizeHint()));
        project->show();
    }
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
    QJsonObject keys;
    if (!ProjectFile::read(path, &snapshot, &error, &keys)) {
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
    ReportKey::showIn(project, keys);
    rememberFile(file);
    return project;
}

void MainWindow::recoverProjects()
{
    const QVector<RecoveryStore::Copy> copies = recovery->claimOrphans();
    if (copies.isEmpty()) {
        recovery->release();
        return;
    }
    QList<QStringList> rows;
    for (const RecoveryStore::Copy &copy : copies) {
        const QString alternatives = copy.alternatives.join(QStringLiteral(", "));
        rows << QStringList{
            alternatives.isEmpty() ? copy.name : tr("%1 (%2)").arg(copy.name, alternatives.left(80)),
            copy.file.isEmpty() ? tr("sin guardar") : QDir::toNativeSeparators(copy.file),
            QLocale().toString(copy.written, QLocale::ShortFormat)};
    }
    switch (Dialogs::instance()->recover(this, rows)) {
    case Dialogs::Recovery::Recover:
        for (const RecoveryStore::Copy &copy : copies) {
            ProjectSnapshot snapshot;
            QString error;
            if (!ProjectFile::read(copy.path, &snapshot, &error)) {
                Dialogs::instance()->error(
                    this, tr("No se pudo recuperar «%1»; su copia queda en «%2». %3")
                              .arg(copy.name, QDir::toNativeSeparators(copy.path), error));
                continue;
            }
            auto *project = new ProjectWindow(snapshot, ui->mdiArea);
            project->setFilePath(copy.file);
            addProject(project);
            project->markModified();
            // The new copy is asked for before the old one goes.
            if (auto *writer = project->findChild<RecoveryWriter *>())
                writer->writeNow();
            recovery->discard(copy);
        }
        break;
    case Dialogs::Recovery::Discard:
        for (const RecoveryStore::Copy &copy : copies)
            recovery->discard(copy);
        break;
    case Dialogs::Recovery::Later:
        break;
    }
    recovery->release();
}

void MainWindow::on_action_Abrir_triggered()
{
    ProjectWindow *active = activeProject();
    const QString folder = FilePlaces::startFolder(active ? active->filePath() : QString());
    const QStringList paths = Dialogs::instance()->openFileNames(this, folder);
    if (!paths.isEmpty())
        FilePlaces::remember(paths.constFirst());
    for (const QString &path : paths)
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
    const QString file = Dialogs::instance()->exportFileName(
        this, ReportExport::fileFilter(),
        FilePlaces::proposed(project->filePath(), project->projectName(), QStringLiteral(".pdf")));
    if (file.isEmpty())
        return;
    FilePlaces::remember(file);
    const QString error = ReportExport::write(*headedReport(project), file);
    if (!error.isEmpty())
        Dialogs::instance()->error(this, error);
}

std::unique_ptr<QTextDocument> MainWindow::headedReport(ProjectWindow *project) const
{
    // Built again with pictures to a page's width (ReportPane::printable);
    // under the name and date, the figures the report shown was built from.
    const QTextDocument *shown = project->report()->document();
    const ReportDocument printable = project->reports()->printable();
    QTextDocument rebuilt;
    if (!printable.html.isEmpty()) {
        rebuilt.setDefaultFont(shown->defaultFont());
        for (const auto &image : printable.images)
            rebuilt.addResource(QTextDocument::ImageResource, QUrl(image.first), image.second);
        rebuilt.setHtml(printable.html);
        shown = &rebuilt;
    }
    return ReportExport::headed(
        *shown, project->projectName(),
        ReportHeader::markup(project->projectName(), QDate::currentDate(), project->shownFigures()));
}

void MainWindow::on_action_Exportar_csv_triggered()
{
    ProjectWindow *project = activeProject();
    if (!project || project->shownReport() != ProjectWindow::Report::CashFlows)
        return;
    const QString file = Dialogs::instance()->csvFileName(
        this, FilePlaces::proposed(project->filePath(), project->projectName(),
                                   tr("-flujos") + QStringLiteral(".csv")));
    if (file.isEmpty())
        return;
    FilePlaces::remember(file);
    const ProjectFigures &figures = project->shownFigures();
    const QString error = FlowsCsv::write(CashFlowTable::ofProject(figures, project->cellsLimit()),
                                          figures.alternatives, figures.replacements, file);
    if (!error.isEmpty())
        Dialogs::instance()->error(this, error);
}

void MainWindow::on_action_Exportar_xlsx_triggered()
{
    ProjectWindow *project = activeProject();
    if (!project)
        return;
    const QString file = Dialogs::instance()->workbookFileName(
        this, FilePlaces::proposed(project->filePath(), project->projectName(), QStringLiteral(".xlsx")));
    if (file.isEmpty())
        return;
    FilePlaces::remember(file);
    WorkbookSource source;
    source.project = project->figures();
    source.mostCells = project->cellsLimit();
    for (const AlternativeFigures &alternative : source.project.alternatives)
        source.modifiedRates << DecisionRows::modifiedRate(alternative);
    const QString error = WorkbookExport::write(source, file);
    if (!error.isEmpty())
        Dialogs::instance()->error(this, error);
}

void MainWindow::on_action_Imprimir_triggered()
{
    ProjectWindow *project = activeProject();
    if (!project || project->shownReport() == ProjectWindow::Report::None)
        return;
    const std::unique_ptr<QTextDocument> headed = headedReport(project);
    const QTextDocument &document = *headed;
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(project->displayName());
    printer.setPageLayout(ReportExport::pageLayout(document));
    if (!Dialogs::instance()->print(this, &printer))
        return;
    ReportExport::print(document, &printer);
    if (printer.printerState() == QPrinter::Error)
        Dialogs::instance()->error(this, tr("No se pudo imprimir el informe de «%1».")
                                             .arg(project->displayName()));
}

void MainWindow::on_action_Convertir_tasa_triggered()
{
    RateConverterDialog dialog(activeProject(), this);
    dialog.exec();
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
    ProjectWindow *active = activeProject();
    const bool open = active != nullptr;
    ui->action_Guardar->setEnabled(open);
    ui->action_Guardar_como->setEnabled(open);
    ui->action_Exportar_xlsx->setEnabled(open);
    const ProjectWindow::Report shown =
        open ? activeProject()->shownReport() : ProjectWindow::Report::None;
    ui->action_Exportar->setEnabled(shown != ProjectWindow::Report::None);
    ui->action_Imprimir->setEnabled(shown != ProjectWindow::Report::None);
    ui->action_Exportar_csv->setEnabled(shown == ProjectWindow::Report::CashFlows);
    undoGroup->setActiveStack(active ? active->undoStack() : nullptr);
    m_projectMenu->setProject(active);
    for (QAction *action : qAsConst(windowActions))
        action->setEnabled(open);
}

void MainWindow::setUpMenus()
{
    undoGroup = new QUndoGroup(this);
    QAction *undo = undoGroup->createUndoAction(this, tr("&Deshacer"));
    undo->setObjectName(QStringLiteral("action_Deshacer"));
    undo->setShortcut(QKeySequence(tr("Ctrl+Z")));
    QAction *redo = undoGroup->createRedoAction(this, tr("&Rehacer"));
    redo->setObjectName(QStringLiteral("action_Rehacer"));
    redo->setShortcuts({QKeySequence(tr("Ctrl+Shift+Z")), QKeySequence(tr("Ctrl+Y"))});
    ui->menu_Edici_n->addAction(undo);
    ui->menu_Edici_n->addAction(redo);

    auto *commandMenu = new QMenu(tr("&Proyecto"), this);
    commandMenu->setObjectName(QStringLiteral("menu_Proyecto"));
    ui->menuBar->insertMenu(ui->menu_Herramientas->menuAction(), commandMenu);
    m_projectMenu = new ProjectMenu(commandMenu, ui->mainToolBar,
                                    {ui->action_Nuevo, ui->action_Abrir, ui->action_Guardar}, this);

    const auto add = [this](const QString &text, const QString &keys, auto slot) {
        QAction *action = new QAction(text, this);
        if (!keys.isEmpty())
            action->setShortcut(QKeySequence(keys));
        connect(action, &QAction::triggered, ui->mdiArea, slot);
        windowActions.append(action);
    };
    add(tr("&Cascada"), QString(), &QMdiArea::cascadeSubWindows);
    add(tr("&Mosaico"), QString(), &QMdiArea::tileSubWindows);
    add(tr("&Siguiente"), tr("Ctrl+Tab"), &QMdiArea::activateNextSubWindow);
    add(tr("&Anterior"), tr("Ctrl+Shift+Tab"), &QMdiArea::activatePreviousSubWindow);
    add(tr("&Cerrar"), tr("Ctrl+W"), &QMdiArea::closeActiveSubWindow);
    add(tr("Cerrar &todas"), QString(), &QMdiArea::closeAllSubWindows);
    openWindows = new QActionGroup(this);
    connect(ui->menu_Ventana, &QMenu::aboutToShow, this, &MainWindow::updateWindowMenu);
    updateWindowMenu();

    QAction *guide = ui->menuA_yuda->addAction(tr("&Guía de Quintavo"), this, &MainWindow::showGuide);
    guide->setObjectName(QStringLiteral("action_Guia"));
    guide->setShortcut(QKeySequence::HelpContents);
    ui->menuA_yuda->addSeparator();
    ui->menuA_yuda->addAction(tr("&Acerca de Quintavo"), this, &MainWindow::about);
    ui->menuA_yuda->addAction(tr("Acerca de &Qt"), this,
                              [this]() { Dialogs::instance()->aboutQt(this); });
}

void MainWindow::updateWindowMenu()
{
    // The fixed entries, then the open projects numbered, the active one checked.
    QMenu *menu = ui->menu_Ventana;
    menu->clear();
    const auto old = openWindows->actions();
    for (QAction *action : old)
        delete action;
    menu->addActions(windowActions);
    const QList<QMdiSubWindow *> windows = ui->mdiArea->subWindowList();
    if (!windows.isEmpty())
        menu->addSeparator();
    for (int i = 0; i < windows.size(); ++i) {
        QMdiSubWindow *window = windows.at(i);
        auto *project = qobject_cast<ProjectWindow *>(window->widget());
        if (!project)
            continue;
        const QString name = asMenuText(project->displayName())
            + (project->isWindowModified() ? QStringLiteral("*") : QString());
        const QString number = i < 9 ? QStringLiteral("&%1").arg(i + 1) : QString::number(i + 1);
        QAction *entry = menu->addAction(number + QLatin1Char(' ') + name);
        entry->setCheckable(true);
        entry->setChecked(window == ui->mdiArea->activeSubWindow());
        openWindows->addAction(entry);
        const QPointer<QMdiSubWindow> chosen = window;
        connect(entry, &QAction::triggered, ui->mdiArea, [this, chosen]() {
            if (chosen)
                ui->mdiArea->setActiveSubWindow(chosen);
        });
    }
}

void MainWindow::showGuide()
{
    if (!guideWindow)
        guideWindow = new GuideWindow(this);
    guideWindow->show();
    guideWindow->raise();
    guideWindow->activateWindow();
}

void MainWindow::about()
{
    Dialogs::instance()->about(
        this, tr("Acerca de Quintavo"),
        tr("<h3>Quintavo %1</h3>"
           "<p>Evalúa alternativas de inversión a partir de sus flujos de caja: valor presente, "
           "valor anual, relación beneficio/costo y tasas internas de retorno, y las compara.</p>"
           "<p>Software libre bajo la licencia GPL-3.0-or-later: puede redistribuirlo y "
           "modificarlo según la Licencia Pública General de GNU, versión 3 o posterior. "
           "Se distribuye sin garantía alguna.</p>")
            .arg(QCoreApplication::applicationVersion().toHtmlEscaped()));
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
        QAction *entry = menu->addAction(QStringLiteral("&%1 %2").arg(
            QString::number(i + 1), asMenuText(QDir::toNativeSeparators(file))));
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
