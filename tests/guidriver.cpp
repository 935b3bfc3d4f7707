#include "guidriver.h"

#include "mainwindow.h"
#include "projectwindow.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDialog>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QInputDialog>
#include <QLineEdit>
#include <QLayout>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextFrame>
#include <QTextTable>
#include <QTimer>
#include <QTreeWidget>

#include <memory>

namespace GuiDriver {

namespace {

// Polls `find` from fresh single-shot timers until it yields a widget, then
// hands it to `act`.
// Returns a flag that stops the polling when cleared.
std::shared_ptr<bool> poll(std::function<QWidget *()> find, std::function<void(QWidget *)> act,
                           int timeoutMs)
{
    auto alive = std::make_shared<bool>(true);
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    auto step = std::make_shared<std::function<void()>>();
    *step = [=]() {
        if (!*alive) {
            *step = nullptr;
            return;
        }
        if (QWidget *w = find()) {
            act(w);
            *step = nullptr; // break the cycle that keeps the closure alive
            return;
        }
        if (clock->elapsed() > timeoutMs) {
            qWarning("GuiDriver: nothing to answer within %d ms", timeoutMs);
            *step = nullptr;
            return;
        }
        QTimer::singleShot(1, [step]() {
            if (*step)
                (*step)();
        });
    };
    QTimer::singleShot(0, [step]() {
        if (*step)
            (*step)();
    });
    return alive;
}

QMenu *openPopup()
{
    return qobject_cast<QMenu *>(QApplication::activePopupWidget());
}

// Types into a line edit: key by key for short ASCII text, as one insertion
// (an input method's commit, or a paste) for long or non-ASCII text, which
// has no key codes.
void typeText(QLineEdit *edit, const QString &text)
{
    edit->selectAll();
    bool ascii = text.size() <= 200;
    for (const QChar c : text)
        ascii = ascii && c.unicode() >= 0x20 && c.unicode() < 0x7f;
    if (text.isEmpty())
        QTest::keyClick(edit, Qt::Key_Delete);
    else if (ascii)
        QTest::keyClicks(edit, text);
    else
        edit->insert(text);
}

void rightClick(QTreeWidget *tree, QPoint pos)
{
    QWidget *viewport = tree->viewport();
    QTest::mousePress(viewport, Qt::RightButton, Qt::NoModifier, pos);
    QTest::mouseRelease(viewport, Qt::RightButton, Qt::NoModifier, pos);
    QContextMenuEvent event(QContextMenuEvent::Mouse, pos, viewport->mapToGlobal(pos));
    QApplication::sendEvent(viewport, &event);
}

} // namespace

void whenModalOpens(std::function<void(QWidget *)> answer, int timeoutMs)
{
    poll([]() { return QApplication::activeModalWidget(); }, answer, timeoutMs);
}

void answerText(const QString &title)
{
    whenModalOpens([title](QWidget *w) {
        auto *dialog = qobject_cast<QInputDialog *>(w);
        if (!dialog) {
            w->close();
            return;
        }
        if (QLineEdit *edit = dialog->findChild<QLineEdit *>()) {
            typeText(edit, title);
        } else {
            dialog->setTextValue(title);
        }
        dialog->accept();
    });
}

void cancelNextDialog()
{
    whenModalOpens([](QWidget *w) {
        if (auto *dialog = qobject_cast<QDialog *>(w))
            dialog->reject();
        else
            w->close();
    });
}

void answerChoice(const QString &choice)
{
    whenModalOpens([choice](QWidget *w) {
        auto *dialog = qobject_cast<QInputDialog *>(w);
        if (!dialog) {
            w->close();
            return;
        }
        if (auto *combo = dialog->findChild<QComboBox *>())
            combo->setCurrentIndex(combo->findText(choice));
        dialog->accept();
    });
}

QStringList contextMenuAt(QTreeWidget *tree, QPoint pos)
{
    auto texts = std::make_shared<QStringList>();
    auto polling = poll(openPopup,
         [texts](QWidget *w) {
             for (QAction *action : w->actions())
                 *texts << action->text();
             w->close();
         },
         300);
    rightClick(tree, pos);
    *polling = false; // no menu opened: the next right-click is not ours
    return *texts;
}

void chooseFromContextMenu(QTreeWidget *tree, QPoint pos, const QString &entry)
{
    auto polling = poll(openPopup,
         [entry](QWidget *w) {
             auto *menu = static_cast<QMenu *>(w);
             for (QAction *action : menu->actions()) {
                 if (action->text() == entry) {
                     menu->setActiveAction(action);
                     QTest::keyClick(menu, Qt::Key_Return);
                     return;
                 }
             }
             menu->close();
         },
         2000);
    rightClick(tree, pos);
    *polling = false;
}

QPoint centreOf(QTreeWidget *tree, QTreeWidgetItem *item)
{
    return tree->visualItemRect(item).center();
}

QPoint emptySpot(QTreeWidget *tree)
{
    const QRect area = tree->viewport()->rect();
    for (int y = area.bottom() - 2; y > 0; y -= 4) {
        const QPoint spot(area.width() / 2, y);
        if (!tree->itemAt(spot))
            return spot;
    }
    return QPoint(-1, -1);
}

void clickNode(QTreeWidget *tree, QTreeWidgetItem *item)
{
    tree->scrollToItem(item);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, Qt::NoModifier, centreOf(tree, item));
}

void typeIntoCell(QTableWidget *table, int row, const QString &text)
{
    const QModelIndex index = table->model()->index(row, 0);
    table->setCurrentIndex(index);
    table->edit(index);
    auto *editor = table->viewport()->findChild<QLineEdit *>();
    if (!editor) {
        qWarning("GuiDriver: no editor opened in row %d", row);
        return;
    }
    typeText(editor, text);
    QTest::keyClick(editor, Qt::Key_Return);
    // The delegate commits the editor's text from a queued call.
    QCoreApplication::sendPostedEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void fillCells(ProjectWindow *project, QTreeWidgetItem *node, const QStringList &cells)
{
    clickNode(tree(project), node);
    for (int row = 0; row < cells.size(); ++row) {
        if (!cells.at(row).isNull())
            typeIntoCell(panelTable(project), row, cells.at(row));
    }
}

ProjectWindow *newProject(MainWindow *main)
{
    auto *area = main->findChild<QMdiArea *>(QStringLiteral("mdiArea"));
    main->findChild<QAction *>(QStringLiteral("action_Nuevo"))->trigger();
    return qobject_cast<ProjectWindow *>(area->subWindowList().constLast()->widget());
}

QTreeWidget *tree(ProjectWindow *project)
{
    return project->findChild<QTreeWidget *>(QStringLiteral("twProjectList"));
}

QTableWidget *panelTable(ProjectWindow *project)
{
    // The panel is the last widget of the right-hand column.
    auto *column = project->findChild<QLayout *>(QStringLiteral("projectLayout"));
    QLayoutItem *last = column->itemAt(column->count() - 1);
    return last ? qobject_cast<QTableWidget *>(last->widget()) : nullptr;
}

QString reportHtml(ProjectWindow *project)
{
    return project->findChild<QTextEdit *>(QStringLiteral("teReporte"))->toHtml();
}

QList<QList<QStringList>> reportTables(ProjectWindow *project)
{
    QList<QList<QStringList>> tables;
    QTextDocument *document = project->findChild<QTextEdit *>(QStringLiteral("teReporte"))->document();
    for (QTextFrame *frame : document->rootFrame()->childFrames()) {
        const auto *table = qobject_cast<QTextTable *>(frame);
        if (!table)
            continue;
        QList<QStringList> rows;
        for (int r = 0; r < table->rows(); ++r) {
            QStringList cells;
            for (int c = 0; c < table->columns();) {
                const QTextTableCell cell = table->cellAt(r, c);
                QTextCursor text = cell.firstCursorPosition();
                text.setPosition(cell.lastCursorPosition().position(), QTextCursor::KeepAnchor);
                cells << text.selectedText();
                c += cell.columnSpan();
            }
            rows << cells;
        }
        tables << rows;
    }
    return tables;
}

void click(ProjectWindow *project, const char *buttonName)
{
    QTest::mouseClick(project->findChild<QPushButton *>(QLatin1String(buttonName)), Qt::LeftButton);
}

void addAlternative(ProjectWindow *project, const QString &title)
{
    // Below the last node, or on an alternative when the tree is full.
    QTreeWidget *t = tree(project);
    QPoint spot = emptySpot(t);
    if (spot.x() < 0) {
        t->scrollToItem(t->topLevelItem(0));
        spot = centreOf(t, t->topLevelItem(0));
    }
    answerText(title);
    chooseFromContextMenu(t, spot, QStringLiteral("Añadir Alternativa"));
}

QTreeWidgetItem *addFlow(ProjectWindow *project, QTreeWidgetItem *group, const QString &choice)
{
    QTreeWidget *t = tree(project);
    const int before = group->childCount();
    const QString entry = group->text(0) == QLatin1String("Ingresos")
        ? QStringLiteral("Añadir Ingreso")
        : QStringLiteral("Añadir Egreso");
    t->scrollToItem(group);
    answerChoice(choice);
    chooseFromContextMenu(t, centreOf(t, group), entry);
    return group->childCount() > before ? group->child(group->childCount() - 1) : nullptr;
}

void ProjectTest::init()
{
    main = new MainWindow;
    main->show();
    QVERIFY(QTest::qWaitForWindowExposed(main));
    project = newProject(main);
}

void ProjectTest::cleanup()
{
    delete main;
    main = nullptr;
    project = nullptr;
}

} // namespace GuiDriver
