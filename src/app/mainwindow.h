#ifndef MAINWINDOW_H
#define MAINWINDOW_H

#include <QIcon>
#include <QList>
#include <QMainWindow>
#include <QString>
#include <QStringList>

#include <memory>

class GuideWindow;
class ProjectMenu;
class ProjectWindow;
class QAction;
class QActionGroup;
class QCloseEvent;
class QTextDocument;
class QUndoGroup;
class RecoveryStore;
class Ui_MainWindow;

// The application's main window: a multiple-document area with one project
// window per open project, and the menus: "&Archivo" creates, opens and
// saves them, and exports or prints the report the active one shows;
// "&Edición" undoes and redoes the steps of the active project;
// "&Proyecto" and the toolbar add, copy and remove its alternatives and
// flows and show its reports (ProjectMenu);
// "&Herramientas" converts rates (RateConverterDialog); "&Ventana"
// arranges and activates the project windows; "A&yuda" shows the guide
// (GuideWindow, F1) and tells what Quintavo is. The files last opened or saved are kept in QSettings. While a
// project has unsaved changes a recovery copy of it is kept (RecoveryWriter).
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    static constexpr int MaxRecentFiles = 8;

    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    // Quintavo's icon, for the application and its windows.
    static QIcon applicationIcon();

    // Opens the project file `path` in a window of its own; a file that is
    // already open activates its window instead. On failure tells the user
    // why, opens nothing and returns null.
    ProjectWindow *openFile(const QString &path);
    // The window that "Guardar" acts on; null when no project is open.
    ProjectWindow *activeProject() const;
    // The open project windows, oldest first.
    QList<ProjectWindow *> projects() const;
    // The files last opened or saved, newest first.
    QStringList recentFiles() const;
    // Offers the projects that a run which did not end normally left in
    // recovery copies (RecoveryStore); opens those the user recovers.
    void recoverProjects();
    RecoveryStore *recoveryStore() const { return recovery; }
    ProjectMenu *projectMenu() const { return m_projectMenu; }
    // "Guía de Quintavo": opens the guide, or brings it to the front.
    void showGuide();

protected:
    // Asks about every modified project before anything closes; one
    // "Cancelar" keeps every window open and unchanged.
    void closeEvent(QCloseEvent *event) override;

private slots:
    void on_action_Nuevo_triggered();
    void on_action_Abrir_triggered();
    void on_action_Guardar_triggered();
    void on_action_Guardar_como_triggered();
    void on_action_Exportar_triggered();
    void on_action_Exportar_csv_triggered();
    void on_action_Exportar_xlsx_triggered();
    void on_action_Imprimir_triggered();
    void on_action_Convertir_tasa_triggered();
    void on_action_Salir_triggered();
    void updateActions();
    void rememberFile(const QString &path);
    void updateWindowMenu();
    void about();

private:
    void setUpMenus();
    ProjectWindow *addProject(ProjectWindow *project);
    void openRecent(const QString &path);
    void setRecentFiles(const QStringList &files);
    // The report `project` shows, headed for a file or paper (ReportHeader).
    std::unique_ptr<QTextDocument> headedReport(ProjectWindow *project) const;

    Ui_MainWindow *ui;
    // Holds every project's undo stack and follows the active one.
    QUndoGroup *undoGroup = nullptr;
    QList<QAction *> windowActions;
    QActionGroup *openWindows = nullptr;
    RecoveryStore *recovery = nullptr;
    ProjectMenu *m_projectMenu = nullptr;
    GuideWindow *guideWindow = nullptr;
};

#endif // MAINWINDOW_H
