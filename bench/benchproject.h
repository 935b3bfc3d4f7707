#ifndef BENCHPROJECT_H
#define BENCHPROJECT_H

#include "cashflow.h"

#include <QString>

class ProjectDocument;
class ProjectWindow;
class QTreeWidget;

// Builds a project inside an open project window through its document, the
// figures typed as text the way the cell editor leaves them. The first
// alternative is the one every window opens with; later ones are appended.
class BenchProject
{
public:
    explicit BenchProject(ProjectWindow *window);

    QTreeWidget *tree() const { return projectTree; }

    // Returns the alternative's index.
    int addAlternative(const QString &name, int horizon, double rate);
    // `gradient` is G for an arithmetic flow, g for a geometric one and is
    // ignored for a uniform one.
    void addFlow(int alternative, bool income, CashFlow::Kind kind, const QString &name, double payment,
                 double gradient, int count, int start);

    // The project of typicalProject() in place of the window's.
    void fillTypical(int alternatives, int flows, int horizon);
    // Every alternative's "Interés de Oportunidad" set to `rate`: the
    // alternatives can then be compared by increments.
    void setCommonRate(double rate);

private:
    ProjectDocument *document;
    QTreeWidget *projectTree;
    bool firstUsed = false;
};

#endif // BENCHPROJECT_H
