#include "replacementfile.h"

#include "projectfile.h"

#include <QJsonObject>
#include <QLocale>

namespace {

QJsonObject assetToJson(const AssetSnapshot &asset)
{
    return QJsonObject{{"name", asset.name},
                       {"first", asset.first},
                       {"marketValues", asset.marketValues},
                       {"operatingCosts", asset.operatingCosts}};
}

bool readAsset(const QJsonObject &analysis, const char *key, const QString &where,
               AssetSnapshot *asset, QString *reason)
{
    const QJsonValue value = analysis.value(QLatin1String(key));
    if (value.isUndefined())
        return true;
    const QString inside = ReplacementFile::tr("«%1» en %2").arg(QLatin1String(key), where);
    if (!value.isObject()) {
        *reason = ReplacementFile::tr("%1 no es un objeto").arg(inside);
        return false;
    }
    const QJsonObject object = value.toObject();
    return ProjectFile::readCell(object, "name", inside, &asset->name, reason)
        && ProjectFile::readCell(object, "first", inside, &asset->first, reason)
        && ProjectFile::readCell(object, "marketValues", inside, &asset->marketValues, reason)
        && ProjectFile::readCell(object, "operatingCosts", inside, &asset->operatingCosts, reason);
}

} // namespace

QJsonArray ReplacementFile::toJson(const QVector<ReplacementSnapshot> &analyses)
{
    QJsonArray array;
    for (const ReplacementSnapshot &analysis : analyses) {
        array.append(QJsonObject{{"name", analysis.name},
                                 {"rate", analysis.rate},
                                 {"defender", assetToJson(analysis.defender)},
                                 {"challenger", assetToJson(analysis.challenger)}});
    }
    return array;
}

bool ReplacementFile::fromJson(const QJsonValue &value, QVector<ReplacementSnapshot> *analyses,
                               QString *reason)
{
    analyses->clear();
    if (value.isUndefined())
        return true;
    if (!value.isArray()) {
        *reason = tr("«replacements» no es una lista");
        return false;
    }
    const QJsonArray array = value.toArray();
    if (array.size() > MaxReplacements) {
        *reason = tr("tiene más de %1 análisis de reemplazo").arg(MaxReplacements);
        return false;
    }
    for (int i = 0; i < array.size(); ++i) {
        const QString where = tr("el análisis de reemplazo %1").arg(i + 1);
        if (!array.at(i).isObject()) {
            *reason = tr("%1 no es un objeto").arg(where);
            return false;
        }
        const QJsonObject object = array.at(i).toObject();
        ReplacementSnapshot analysis;
        if (!ProjectFile::readCell(object, "name", where, &analysis.name, reason)
            || !ProjectFile::readCell(object, "rate", where, &analysis.rate, reason)
            || !readAsset(object, "defender", where, &analysis.defender, reason)
            || !readAsset(object, "challenger", where, &analysis.challenger, reason)) {
            analyses->clear();
            return false;
        }
        analyses->append(analysis);
    }
    return true;
}

QString ReplacementFile::limitProblem(const QVector<ReplacementSnapshot> &analyses, int maxText)
{
    if (analyses.size() > MaxReplacements)
        return tr("tiene más de %1 análisis de reemplazo").arg(MaxReplacements);
    auto tooLong = [maxText](const QString &text) { return text.size() > maxText; };
    for (const ReplacementSnapshot &analysis : analyses) {
        bool beyond = tooLong(analysis.name) || tooLong(analysis.rate);
        for (const AssetSnapshot *asset : {&analysis.defender, &analysis.challenger}) {
            beyond = beyond || tooLong(asset->name) || tooLong(asset->first)
                || tooLong(asset->marketValues) || tooLong(asset->operatingCosts);
        }
        if (beyond)
            return tr("una celda de «%1» pasa de %2 caracteres")
                .arg(analysis.name.left(80), QString::number(maxText));
    }
    return QString();
}
