#ifndef PROJECTMENU_H
#define PROJECTMENU_H

#include <QList>
#include <QMetaObject>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStyle>

#include <functional>

class ProjectWindow;
class QAction;
class QIcon;
class QKeySequence;
class QMenu;
class QToolBar;
class QWidget;

// The menu "Proyecto" and the toolbar of the main window: the commands of
// the tree's context menu (TreeCommands), acting on the current node of the
// active project as the context menu acts on its node, and the report
// buttons, "Visualizar", "Comparar", "Detallar" and "Sensibilidad", with
// Ctrl+1, Ctrl+2… in that order. Each command is one entry: what it does
// and when it applies; a command that does not apply to the current node is
// disabled.
class ProjectMenu : public QObject
{
    Q_OBJECT

public:
    // The commands go into `menu`; the common ones, after `fileActions`
    // (Nuevo, Abrir, Guardar), into `toolBar`.
    ProjectMenu(QMenu *menu, QToolBar *toolBar, const QList<QAction *> &fileActions,
                QWidget *parent);
    ~ProjectMenu() override;

    // The project the commands act on; null when none is active.
    void setProject(ProjectWindow *project);
    // The entry named `objectName` ("action_Comparar").
    QAction *action(const QString &objectName) const;

    // An icon of the desktop theme, or Qt's own when the theme has none.
    static QIcon icon(const QString &themeName, QStyle::StandardPixmap fallback);

private:
    using Operation = std::function<void(ProjectWindow *)>;
    using Applies = std::function<bool(ProjectWindow *)>;
    QAction *add(const QString &name, const QString &text, const QKeySequence &keys,
                 const Operation &operation, const Applies &applies = {});
    void update();

    QMenu *menu;
    QPointer<ProjectWindow> project;
    QList<QPair<QAction *, Applies>> entries;
    QList<QMetaObject::Connection> followed;
};

#endif // PROJECTMENU_H
