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
    // A replacement analysis (alternative -1): its index among them, and
    // -1 for the analysis itself, 0 "Defensor", 1 "Retador".
    int replacement = -1;
    int asset = -1;

    bool isFlow() const { return group >= 0; }
    bool isReplacement() const { return replacement >= 0; }
    bool isValid() const
    {
        if (replacement >= 0)
            return alternative < 0 && group < 0 && asset >= -1 && asset <= 1;
        return alternative >= 0 && (group < 0 || flow >= 0);
    }
    static NodePlace ofReplacement(int index, int asset = -1)
    {
        NodePlace place;
        place.replacement = index;
        place.asset = asset;
        return place;
    }

    bool operator==(const NodePlace &other) const
    {
        return alternative == other.alternative && group == other.group && flow == other.flow
            && replacement == other.replacement && asset == other.asset;
    }
    bool operator!=(const NodePlace &other) const { return !(*this == other); }
};

#endif // NODEPLACE_H
