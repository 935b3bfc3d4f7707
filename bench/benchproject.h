#ifndef BENCHPROJECT_H
#define BENCHPROJECT_H

#include <QString>

class FlowItem;
class ProjectItem;
class ProjectWindow;
class QTableWidget;
class QTreeWidget;

// Builds a project inside an open project window with the model classes,
// typing the figures as text into the property tables the way the cell
// editor leaves them. The first alternative is the one every window opens
// with; later ones are added to the tree.
class BenchProject
{
public:
    enum Kind { Uniform, Arithmetic, Geometric };

    explicit BenchProject(ProjectWindow *window);

    QTreeWidget *tree() const { return projectTree; }

    ProjectItem *addAlternative(const QString &name, int horizon, double rate);
    // `gradient` is G for an arithmetic flow, g for a geometric one and is
    // ignored for a uniform one.
    FlowItem *addFlow(ProjectItem *alternative, bool income, Kind kind, const QString &name,
                      double payment, double gradient, int count, int start);

    // `alternatives` alternatives of `flows` flows each over `horizon`
    // periods, with figures that look like a real appraisal: an investment
    // now, rising sales, growing running costs, rates between 8 and 15 %.
    // The same arguments always give the same figures.
    void fillTypical(int alternatives, int flows, int horizon);

    static void setCell(QTableWidget *table, int row, const QString &text);

private:
    QTreeWidget *projectTree;
    bool firstUsed = false;
};

#endif // BENCHPROJECT_H
