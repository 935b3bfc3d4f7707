#include "projectdocument.h"

#include "flowkind.h"
#include "replacementrows.h"

#include <QVariant>

#include <algorithm>

namespace {

struct AlternativeRowInfo {
    const char *label;
    FigureReader::Kind reading;
    QString AlternativeSnapshot::*text;
    const char *help = nullptr; // the row's tooltip, one line
};

const AlternativeRowInfo AlternativeRows[] = {
    {QT_TRANSLATE_NOOP("ProjectDocument", "Nombre"), FigureReader::Kind::Text,
     &AlternativeSnapshot::name,
     QT_TRANSLATE_NOOP("ProjectDocument", "El título de la alternativa en el árbol y en los informes.")},
    {QT_TRANSLATE_NOOP("ProjectDocument", "Total Períodos"), FigureReader::Kind::Count,
     &AlternativeSnapshot::horizon,
     QT_TRANSLATE_NOOP("ProjectDocument",
                       "El horizonte N: la alternativa va del período 0 al N; ∞ si no termina.")},
    {QT_TRANSLATE_NOOP("ProjectDocument", "Interés de Oportunidad"), FigureReader::Kind::Rate,
     &AlternativeSnapshot::rate,
     QT_TRANSLATE_NOOP("ProjectDocument",
                       "La tasa por período, como fracción o porcentaje: 0.1 o 10 %.")},
    {QT_TRANSLATE_NOOP("ProjectDocument", "Tasa de Impuestos"), FigureReader::Kind::TaxRate,
     &AlternativeSnapshot::taxRate,
     QT_TRANSLATE_NOOP("ProjectDocument",
                       "El impuesto sobre la renta, de 0 a 1 o en porcentaje; vacía: antes de impuestos.")},
};
constexpr int AlternativeRowCount = 4;

bool isExpense(const NodePlace &place)
{
    return place.group == 1;
}

} // namespace

ProjectDocument::ProjectDocument(QObject *parent)
    : QObject(parent)
{
}

ProjectDocument::~ProjectDocument() = default;

const AlternativeSnapshot &ProjectDocument::alternative(int index) const
{
    static const AlternativeSnapshot none;
    return index >= 0 && index < alternativeCount() ? m_project.alternatives.at(index) : none;
}

const QVector<FlowSnapshot> *ProjectDocument::flows(int alternative, int group) const
{
    if (alternative < 0 || alternative >= alternativeCount() || group < 0 || group > 1)
        return nullptr;
    const AlternativeSnapshot &holder = m_project.alternatives.at(alternative);
    return group == 0 ? &holder.income : &holder.expenses;
}

const FlowSnapshot *ProjectDocument::flow(const NodePlace &place) const
{
    const QVector<FlowSnapshot> *group = flows(place.alternative, place.group);
    if (!group || place.flow < 0 || place.flow >= group->size())
        return nullptr;
    return &group->at(place.flow);
}

bool ProjectDocument::contains(const NodePlace &place) const
{
    if (!place.isValid())
        return false;
    if (place.isReplacement())
        return place.replacement < replacementCount();
    return place.isFlow() ? flow(place) != nullptr : place.alternative < alternativeCount();
}

QString ProjectDocument::alternativeRowLabel(int row)
{
    return row >= 0 && row < AlternativeRowCount ? tr(AlternativeRows[row].label) : QString();
}

QStringList ProjectDocument::rowLabels(const NodePlace &place) const
{
    QStringList labels;
    if (!contains(place))
        return labels;
    if (place.isReplacement())
        return ReplacementRows::labels(place.asset);
    if (const FlowSnapshot *node = flow(place)) {
        const FlowKind &kind = FlowKind::of(node->kind);
        for (int row = 0; row < kind.rowCount(); ++row)
            labels.append(kind.rowLabel(row));
        return labels;
    }
    for (int row = 0; row < AlternativeRowCount; ++row)
        labels.append(alternativeRowLabel(row));
    return labels;
}

QStringList ProjectDocument::rowHelp(const NodePlace &place) const
{
    QStringList help;
    if (!contains(place))
        return help;
    if (const FlowSnapshot *node = flow(place)) {
        const FlowKind &kind = FlowKind::of(node->kind);
        for (int row = 0; row < kind.rowCount(); ++row)
            help.append(kind.rowHelp(row));
        return help;
    }
    for (const AlternativeRowInfo &row : AlternativeRows)
        help.append(row.help ? tr(row.help) : QString());
    return help;
}

QVector<FigureReader::Kind> ProjectDocument::readings(const NodePlace &place) const
{
    if (const FlowSnapshot *node = flow(place))
        return FlowKind::of(node->kind).readings(isExpense(place));
    QVector<FigureReader::Kind> kinds;
    if (!contains(place))
        return kinds;
    if (place.isReplacement())
        return ReplacementRows::readings(place.asset);
    for (const AlternativeRowInfo &row : AlternativeRows)
        kinds.append(row.reading);
    return kinds;
}

QString ProjectDocument::cellText(const NodePlace &place, int row) const
{
    if (const FlowSnapshot *node = flow(place))
        return FlowKind::of(node->kind).cellText(*node, row);
    if (place.isReplacement())
        return contains(place) ? ReplacementRows::text(replacement(place.replacement), place.asset, row)
                               : QString();
    if (place.isFlow() || !contains(place) || row < 0 || row >= AlternativeRowCount)
        return QString();
    return m_project.alternatives.at(place.alternative).*AlternativeRows[row].text;
}

bool ProjectDocument::holdsUnread(const NodePlace &place) const
{
    if (const FlowSnapshot *node = flow(place))
        return FlowKind::of(node->kind).holdsUnread(*node, isExpense(place));
    if (place.isReplacement())
        return contains(place) && ReplacementRows::holdsUnread(replacement(place.replacement), place.asset);
    if (place.isFlow() || !contains(place))
        return false;
    for (int row = 0; row < AlternativeRowCount; ++row) {
        if (FigureReader::isUnread(
                FigureReader::read(cellText(place, row), AlternativeRows[row].reading)))
            return true;
    }
    return false;
}

AlternativeSnapshot ProjectDocument::copyOf(int index) const
{
    AlternativeSnapshot copy = alternative(index);
    copy.name += tr(" (copia)");
    return copy;
}

void ProjectDocument::setProject(const ProjectSnapshot &project)
{
    m_project = project;
    emit projectReset();
    emit changed();
}

bool ProjectDocument::setCellText(const NodePlace &place, int row, const QString &text)
{
    if (!contains(place) || row < 0 || cellText(place, row) == text)
        return false;
    if (place.isReplacement()) {
        if (!ReplacementRows::setText(&m_project.replacements[place.replacement], place.asset,
                                      row, text))
            return false;
    } else if (place.isFlow()) {
        AlternativeSnapshot &holder = m_project.alternatives[place.alternative];
        FlowSnapshot &node = (place.group == 0 ? holder.income : holder.expenses)[place.flow];
        const FlowKind &kind = FlowKind::of(node.kind);
        if (row >= kind.rowCount())
            return false;
        FlowKind::setText(&node, kind.rows().at(row).field, text);
    } else {
        if (row >= AlternativeRowCount)
            return false;
        m_project.alternatives[place.alternative].*AlternativeRows[row].text = text;
    }
    emit cellChanged(place, row);
    emit changed();
    return true;
}

int ProjectDocument::insertAlternative(int index, const AlternativeSnapshot &alternative)
{
    index = std::clamp(index, 0, alternativeCount());
    m_project.alternatives.insert(index, alternative);
    emit alternativeInserted(index);
    emit changed();
    return index;
}

NodePlace ProjectDocument::insertFlow(const NodePlace &place, const FlowSnapshot &flow)
{
    if (!flows(place.alternative, place.group) || place.flow < 0)
        return NodePlace();
    AlternativeSnapshot &holder = m_project.alternatives[place.alternative];
    QVector<FlowSnapshot> &group = place.group == 0 ? holder.income : holder.expenses;
    NodePlace at = place;
    at.flow = std::min(place.flow, int(group.size()));
    group.insert(at.flow, flow);
    emit flowInserted(at);
    emit changed();
    return at;
}

bool ProjectDocument::remove(const NodePlace &place)
{
    if (!contains(place) || (place.isReplacement() && place.asset >= 0))
        return false;
    if (place.isReplacement()) {
        m_project.replacements.remove(place.replacement);
    } else if (place.isFlow()) {
        AlternativeSnapshot &holder = m_project.alternatives[place.alternative];
        (place.group == 0 ? holder.income : holder.expenses).remove(place.flow);
    } else {
        m_project.alternatives.remove(place.alternative);
    }
    emit removed(place);
    emit changed();
    return true;
}

int ProjectDocument::duplicateAlternative(int index)
{
    if (index < 0 || index >= alternativeCount())
        return -1;
    return insertAlternative(index + 1, copyOf(index));
}

const ReplacementSnapshot &ProjectDocument::replacement(int index) const
{
    static const ReplacementSnapshot none;
    return index >= 0 && index < replacementCount() ? m_project.replacements.at(index) : none;
}

ReplacementSnapshot ProjectDocument::copyOfReplacement(int index) const
{
    ReplacementSnapshot copy = replacement(index);
    copy.name += tr(" (copia)");
    return copy;
}

int ProjectDocument::insertReplacement(int index, const ReplacementSnapshot &analysis)
{
    index = std::clamp(index, 0, replacementCount());
    m_project.replacements.insert(index, analysis);
    emit replacementInserted(index);
    emit changed();
    return index;
}
