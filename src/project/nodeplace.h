#ifndef NODEPLACE_H
#define NODEPLACE_H

// Where a node is in a project's tree, by position: the steps that can be
// undone name their nodes so, because a node that is removed and put back
// is a new node.
struct NodePlace
{
    int alternative = -1; // index among the alternatives
    int group = -1;       // -1: the alternative itself; 0 "Ingresos", 1 "Egresos"
    int flow = -1;        // index in the group, when group >= 0

    bool isFlow() const { return group >= 0; }
    bool isValid() const { return alternative >= 0 && (group < 0 || flow >= 0); }

    bool operator==(const NodePlace &other) const
    {
        return alternative == other.alternative && group == other.group && flow == other.flow;
    }
    bool operator!=(const NodePlace &other) const { return !(*this == other); }
};

#endif // NODEPLACE_H
