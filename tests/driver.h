#ifndef DRIVER_H
#define DRIVER_H

// The driver of the GUI tests. It works through the window's user-level
// commands (TreeCommands: addAlternative, addFlow, contextActions), its
// reports (showCashFlows, showComparison), its widgets (tree, report,
// panelTable) and its document, and answers its dialogs through the Dialogs
// seam (Answers). tst_projectwindow answers the real menu and
// dialogs as a user does, each answer from a fresh single-shot timer.
#include "dialogs.h"
#include "flowkind.h"
#include "projectdocument.h"
#include "projecttree.h"
#include "projectwindow.h"
#include "treecommands.h"

#include <QPrinter>
#include <QTableWidget>
#include <QTest>
#include <QTextEdit>
#include <QTreeWidget>

#include <functional>

// A table of a report as shown: each row the texts of its cells, a cell
// spanning several columns once.
using Rows = QList<QStringList>;

// Sets the cells of `node` in the window's document from row 0 on, leaving
// null strings out; none of them is an undo step.
void fill(ProjectWindow *w, QTreeWidgetItem *node, const QStringList &cells);
// Makes `node` current, so that the panel shows it, and returns the panel.
QTableWidget *showNode(ProjectWindow *w, QTreeWidgetItem *node);
// "Añadir Ingreso"/"Añadir Egreso" on `group` with the kind at `kind` in the dialog.
QTreeWidgetItem *addFlow(ProjectWindow *w, QTreeWidgetItem *group, int kind);
QTreeWidgetItem *addAlternative(ProjectWindow *w, const QString &title);
// Types `text` into cell (row, 0) through its editor and presses Return; a cell chosen
// from a list takes the choice named `text`, or one the text picks.
void type(QTableWidget *table, int row, const QString &text);
// Adds to `alternative` the flow "GK|name|figure|..." and fills its cells:
// G is I (income) or E (expense), K is U, A, G or S (uniform, arithmetic, geometric, single),
// D (depreciable asset) or P (loan).
QTreeWidgetItem *addFlow(ProjectWindow *w, QTreeWidgetItem *alternative, const QString &flow);
QList<Rows> reportTables(const QTextEdit *report);
// A window's project as saved, and both its reports.
QStringList stateOf(ProjectWindow *w);
// Polls `find` from a fresh single-shot timer each time, about 5 s at most,
// and hands the first widget it yields to `act`.
void whenShown(const std::function<QWidget *()> &find, const std::function<void(QWidget *)> &act,
               int tries = 2500);

// Answers the windows' dialogs at once for as long as it lives, and keeps the errors shown.
class Answers : public Dialogs
{
public:
    QString title;         // "Añadir Alternativa"
    int kind = 0;          // "Añadir Flujo"; -1 cancels
    QList<Answer> answers; // to unsaved changes, in turn; then Descartar
    QString file;          // of every file dialog; empty cancels
    QString proposed;      // by the last file dialog
    QStringList errors;
    Recovery recovery = Recovery::Later; // to the recovery copies offered
    QList<QStringList> offered;
    Answers() : previous(instance()) { setInstance(this); }
    ~Answers() override { setInstance(previous); }
    QString alternativeTitle(QWidget *) override { return title; }
    bool flowKind(QWidget *, bool, CashFlow::Kind *chosen) override
    { return kind >= 0 && (*chosen = FlowKind::all().at(kind)->id(), true); }
    Answer unsavedChanges(QWidget *, const QString &) override
    { return answers.isEmpty() ? Answer::Discard : answers.takeFirst(); }
    QString saveFileName(QWidget *, const QString &p) override { return proposed = p, file; }
    QString exportFileName(QWidget *, const QString &, const QString &p) override { return proposed = p, file; }
    QString csvFileName(QWidget *, const QString &p) override { return proposed = p, file; }
    QString workbookFileName(QWidget *, const QString &p) override { return proposed = p, file; }
    bool print(QWidget *, QPrinter *printer) override { return printer->setOutputFileName(file), true; }
    void error(QWidget *, const QString &message) override { errors << message; }
    Recovery recover(QWidget *, const QList<QStringList> &copies) override { return offered = copies, recovery; }

private:
    Dialogs *previous;
};

// Base of the GUI test classes: a fresh shown window `w` for each test function.
class WindowTest : public QObject
{
    Q_OBJECT

protected:
    ProjectWindow *w = nullptr;
    QTreeWidgetItem *first() const { return w->tree()->topLevelItem(0); }

private slots:
    void init();
    void cleanup() { delete w; }
};

#endif // DRIVER_H
