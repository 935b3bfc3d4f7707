#ifndef PROJECTDOCUMENT_H
#define PROJECTDOCUMENT_H

#include "figurereader.h"
#include "nodeplace.h"
#include "projectsnapshot.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <QVector>

// The one copy of an open project: its alternatives and flows as the user
// typed them. The tree, the property table, the file, the reports and the
// undo steps all read it; the steps change it through the operations below,
// each of which announces what it changed. It knows no widget.
//
// Nodes are named by place (NodePlace). The cells of a node are its rows:
// an alternative's are "Nombre", "Total Períodos", "Interés de
// Oportunidad" and "Tasa de Impuestos"; a flow's are those of its kind (FlowKind).
class ProjectDocument : public QObject
{
    Q_OBJECT

public:
    enum AlternativeRow { NameRow = 0, HorizonRow = 1, RateRow = 2, TaxRow = 3 };

    explicit ProjectDocument(QObject *parent = nullptr);
    ~ProjectDocument() override;

    const ProjectSnapshot &project() const { return m_project; }
    int alternativeCount() const { return m_project.alternatives.size(); }
    // The alternative at `index`; an empty one for an index out of range.
    const AlternativeSnapshot &alternative(int index) const;
    // The flows of group `group` (0 "Ingresos", 1 "Egresos") of alternative
    // `alternative`; null when there is no such group.
    const QVector<FlowSnapshot> *flows(int alternative, int group) const;
    // The flow at `place`; null when there is none.
    const FlowSnapshot *flow(const NodePlace &place) const;
    bool contains(const NodePlace &place) const;

    // The rows of the node at `place`: their labels, how each is read, and
    // the text typed into each. Empty for a place where no node is.
    QStringList rowLabels(const NodePlace &place) const;
    // What to type into each row, in one line (the labels' tooltips).
    QStringList rowHelp(const NodePlace &place) const;
    QVector<FigureReader::Kind> readings(const NodePlace &place) const;
    QString cellText(const NodePlace &place, int row) const;
    // The node's name (row 0).
    QString name(const NodePlace &place) const { return cellText(place, 0); }
    // Whether a cell of the node reads as 0 although something is typed into it.
    bool holdsUnread(const NodePlace &place) const;

    // A copy of the alternative at `index`, named with " (copia)" appended.
    AlternativeSnapshot copyOf(int index) const;

    // The replacement analyses, shown after the alternatives (ReplacementRows).
    int replacementCount() const { return m_project.replacements.size(); }
    // The analysis at `index`; an empty one for an index out of range.
    const ReplacementSnapshot &replacement(int index) const;
    ReplacementSnapshot copyOfReplacement(int index) const;
    // Returns the index the analysis went to.
    int insertReplacement(int index, const ReplacementSnapshot &analysis);

    // The changes. Each announces itself, then changed(). An index beyond
    // the last puts the node last.
    // Replaces the whole project.
    void setProject(const ProjectSnapshot &project);
    // Puts `text` into row `row` of the node at `place`; false (and nothing
    // announced) when there is no such cell or it already holds `text`.
    bool setCellText(const NodePlace &place, int row, const QString &text);
    // Returns the index the alternative went to.
    int insertAlternative(int index, const AlternativeSnapshot &alternative);
    // Returns the place the flow went to; invalid when `place` names no group.
    NodePlace insertFlow(const NodePlace &place, const FlowSnapshot &flow);
    // Removes the alternative, flow or replacement analysis at `place` with
    // everything under it (not a defender or challenger alone).
    bool remove(const NodePlace &place);
    // Puts copyOf(index) right after the alternative; returns its index, or
    // -1 when there is no alternative at `index`.
    int duplicateAlternative(int index);

    // The label of an alternative's row: "Total Períodos".
    static QString alternativeRowLabel(int row);

signals:
    void projectReset();
    void alternativeInserted(int index);
    void replacementInserted(int index);
    void flowInserted(const NodePlace &place);
    // The node at `place` is gone; the places after it moved up by one.
    void removed(const NodePlace &place);
    void cellChanged(const NodePlace &place, int row);
    // Any of the above.
    void changed();

private:
    ProjectSnapshot m_project;
};

#endif // PROJECTDOCUMENT_H
