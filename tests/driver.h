#ifndef DRIVER_H
#define DRIVER_H

// The driver of the GUI tests. It works through the window's own operations
// (ProjectWindow::addAlternative, addFlow, contextActions, showCashFlows,
// showComparison, tree, report, panelTable) and answers its dialogs through
// the Dialogs seam (Answers). tst_projectwindow answers the real menu and
// dialogs as a user does, each answer from a fresh single-shot timer.
#include "dialogs.h"
#include "flowitem.h"
#include "projectitem.h"
#include "projectwindow.h"

#include <QTableWidget>
#include <QTest>
#include <QTextEdit>
#include <QTreeWidget>

#include <functional>

// A table of a report as shown: each row the texts of its cells, a cell
// spanning several columns once.
using Rows = QList<QStringList>;

// Sets the cells (row, 0) of `table` from row 0 on, leaving null strings out.
void fill(QTableWidget *table, const QStringList &cells);
// Types `text` into cell (row, 0) through its editor and presses Return.
void type(QTableWidget *table, int row, const QString &text);
// Adds to `alternative` the flow "GK|name|figure|..." and fills its cells:
// G is I (income) or E (expense), K is U, A or G (uniform, arithmetic, geometric).
FlowItem *addFlow(ProjectWindow *w, QTreeWidgetItem *alternative, const QString &flow);
QList<Rows> reportTables(const QTextEdit *report);
// Polls `find` from a fresh single-shot timer each time, about 5 s at most,
// and hands the first widget it yields to `act`.
void whenShown(const std::function<QWidget *()> &find, const std::function<void(QWidget *)> &act,
               int tries = 2500);

// Answers the windows' dialogs at once for as long as it lives.
class Answers : public Dialogs
{
public:
    QString title; // "Añadir Alternativa"
    int kind = 0;  // "Añadir Flujo"; -1 cancels
    Answers() : previous(instance()) { setInstance(this); }
    ~Answers() override { setInstance(previous); }
    QString alternativeTitle(QWidget *) override { return title; }
    bool flowKind(QWidget *, int *chosen) override { *chosen = kind; return kind >= 0; }
    Answer unsavedChanges(QWidget *, const QString &) override { return Answer::Discard; }

private:
    Dialogs *previous;
};

// Base of the GUI test classes: a fresh shown window `w` for each test function.
class WindowTest : public QObject
{
    Q_OBJECT

protected:
    ProjectWindow *w = nullptr;
    ProjectItem *first() const { return static_cast<ProjectItem *>(w->tree()->topLevelItem(0)); }

private slots:
    void init();
    void cleanup() { delete w; }
};

#endif // DRIVER_H
