#include "projectfile.h"

#include "filesaving.h"
#include "flowkind.h"
#include "replacementfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QLocale>

#include <cerrno>

namespace {

const QString FormatName = QStringLiteral("quintavo-project");

QJsonArray flowsToJson(const QVector<FlowSnapshot> &flows)
{
    QJsonArray array;
    for (const FlowSnapshot &flow : flows) {
        const FlowKind &kind = FlowKind::of(flow.kind);
        QJsonObject object{{"kind", kind.fileName()}};
        for (const FlowKind::Row &row : kind.rows())
            object.insert(QLatin1String(row.fileKey), FlowKind::text(flow, row.field));
        array.append(object);
    }
    return array;
}

// The deepest nesting of objects and arrays in `data`, scanned as bytes so
// that a hostile file is refused before the parser builds anything. Sets
// `where` to the offset at which `limit` is first exceeded.
bool nestingWithin(const QByteArray &data, int limit, int *where)
{
    int depth = 0;
    bool inString = false;
    bool escaped = false;
    for (int i = 0; i < data.size(); ++i) {
        const char c = data.at(i);
        if (inString) {
            if (escaped)
                escaped = false;
            else if (c == '\\')
                escaped = true;
            else if (c == '"')
                inString = false;
        } else if (c == '"') {
            inString = true;
        } else if (c == '{' || c == '[') {
            if (++depth > limit) {
                *where = i;
                return false;
            }
        } else if ((c == '}' || c == ']') && depth > 0) {
            --depth;
        }
    }
    return true;
}

int lineOf(const QByteArray &data, int offset)
{
    return int(data.left(offset).count('\n')) + 1;
}


bool readFlows(const QJsonArray &array, const QString &groupName, const QString &alternativeWhere,
               QVector<FlowSnapshot> *flows, QString *reason)
{
    flows->reserve(array.size());
    for (int i = 0; i < array.size(); ++i) {
        const QString where =
            ProjectFile::tr("el flujo %1 de «%2» de %3").arg(i + 1).arg(groupName, alternativeWhere);
        if (!array.at(i).isObject()) {
            *reason = ProjectFile::tr("%1 no es un objeto").arg(where);
            return false;
        }
        const QJsonObject object = array.at(i).toObject();
        const QJsonValue kind = object.value(QLatin1String("kind"));
        FlowSnapshot flow;
        const FlowKind *known = kind.isString() ? FlowKind::fromFileName(kind.toString()) : nullptr;
        if (known) {
            flow.kind = known->id();
        } else {
            *reason = ProjectFile::tr("%1 no tiene un «kind» conocido (uniform, arithmetic, "
                                      "geometric, single, asset o loan)")
                          .arg(where);
            return false;
        }
        for (const FlowKind::Row &row : known->rows()) {
            QString text;
            if (!ProjectFile::readCell(object, row.fileKey, where, &text, reason))
                return false;
            FlowKind::setText(&flow, row.field, text);
        }
        flows->append(flow);
    }
    return true;
}

// The array under `key`, empty when the key is missing.
bool readArray(const QJsonObject &object, const char *key, const QString &where, QJsonArray *array,
               QString *reason)
{
    const QJsonValue value = object.value(QLatin1String(key));
    if (value.isUndefined()) {
        *array = QJsonArray();
        return true;
    }
    if (!value.isArray()) {
        *reason = ProjectFile::tr("en %2, «%1» no es una lista").arg(QLatin1String(key), where);
        return false;
    }
    *array = value.toArray();
    return true;
}

QString describe(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

} // namespace

// Reads the cell `key` of `object` into `text`: a string as it is, a number
// as its shortest text, a missing key as an empty cell.
bool ProjectFile::readCell(const QJsonObject &object, const char *key, const QString &where,
                           QString *text, QString *reason)
{
    const QJsonValue value = object.value(QLatin1String(key));
    if (value.isUndefined()) {
        text->clear();
        return true;
    }
    if (value.isDouble()) {
        *text = QString::number(value.toDouble(), 'g', QLocale::FloatingPointShortest);
        return true;
    }
    if (!value.isString()) {
        *reason = ProjectFile::tr("en %2, «%1» no es un texto ni un número")
                      .arg(QLatin1String(key), where);
        return false;
    }
    *text = value.toString();
    if (text->size() > ProjectFile::MaxTextLength) {
        *reason = ProjectFile::tr("en %2, «%1» pasa de %3 caracteres")
                      .arg(QLatin1String(key), where, QString::number(ProjectFile::MaxTextLength));
        return false;
    }
    return true;
}

int ProjectFile::versionFor(const ProjectSnapshot &project)
{
    int version = project.replacements.isEmpty() ? 1 : ReplacementsVersion;
    double ignored = 0.0;
    const auto percentage = [&ignored](const QString &typed) {
        return FigureReader::readPercentage(typed, &ignored);
    };
    for (const AlternativeSnapshot &alternative : project.alternatives) {
        if (percentage(alternative.rate))
            version = qMax(version, PercentRatesVersion);
        if (!alternative.taxRate.isEmpty())
            version = qMax(version, AfterTaxVersion);
        for (const auto *flows : {&alternative.income, &alternative.expenses}) {
            for (const FlowSnapshot &flow : *flows) {
                const FlowKind &kind = FlowKind::of(flow.kind);
                version = qMax(version, kind.fileVersion());
                for (int row = 0; row < kind.rowCount(); ++row) {
                    if (kind.reading(row, false) == FigureReader::Kind::Rate
                        && percentage(kind.cellText(flow, row)))
                        version = qMax(version, PercentRatesVersion);
                }
            }
        }
    }
    return version;
}

QByteArray ProjectFile::toJson(const ProjectSnapshot &project, const QJsonObject &extra)
{
    QJsonArray alternatives;
    for (const AlternativeSnapshot &alternative : project.alternatives) {
        QJsonObject object{{"name", alternative.name},
                           {"horizon", alternative.horizon},
                           {"rate", alternative.rate},
                           {"income", flowsToJson(alternative.income)},
                           {"expenses", flowsToJson(alternative.expenses)}};
        // Only a project appraised after taxes has the key.
        if (!alternative.taxRate.isEmpty())
            object.insert(QLatin1String("taxRate"), alternative.taxRate);
        alternatives.append(object);
    }
    QJsonObject root = extra;
    root.insert(QLatin1String("format"), FormatName);
    root.insert(QLatin1String("version"), versionFor(project));
    root.insert(QLatin1String("alternatives"), alternatives);
    if (!project.replacements.isEmpty())
        root.insert(QLatin1String("replacements"), ReplacementFile::toJson(project.replacements));
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

bool ProjectFile::fromJson(const QByteArray &data, ProjectSnapshot *project, QString *reason,
                           QJsonObject *extra)
{
    if (data.size() > MaxFileSize) {
        *reason = tr("pasa de %1 MiB").arg(MaxFileSize / (1024 * 1024));
        return false;
    }
    int deep = 0;
    if (!nestingWithin(data, MaxNesting, &deep)) {
        *reason = tr("está anidado más hondo de lo que admite el formato (línea %1)")
                      .arg(lineOf(data, deep));
        return false;
    }
    QJsonParseError parse{};
    const QJsonDocument document = QJsonDocument::fromJson(data, &parse);
    if (parse.error != QJsonParseError::NoError) {
        const int offset = qBound(0, parse.offset, data.size());
        const int lineStart = data.lastIndexOf('\n', offset - 1) + 1;
        *reason = tr("no es un JSON válido: %1 (línea %2, columna %3)")
                      .arg(parse.errorString())
                      .arg(lineOf(data, offset))
                      .arg(offset - lineStart + 1);
        return false;
    }
    const QJsonObject root = document.object();
    if (!document.isObject() || root.value(QLatin1String("format")) != FormatName) {
        *reason = tr("no es un proyecto de Quintavo");
        return false;
    }
    const QJsonValue version = root.value(QLatin1String("version"));
    const double number = version.toDouble(0.0);
    if (!version.isDouble() || number < 1 || number != int(qMin(number, 1e9))) {
        *reason = tr("no dice una versión válida del formato");
        return false;
    }
    if (number > Version) {
        *reason = tr("fue creado con una versión más reciente de Quintavo (formato %1; esta "
                     "versión lee hasta el %2)")
                      .arg(version.toInt())
                      .arg(Version);
        return false;
    }

    QJsonArray alternatives;
    if (!readArray(root, "alternatives", tr("el proyecto"), &alternatives, reason))
        return false;
    if (alternatives.size() > MaxAlternatives) {
        *reason = tr("tiene más de %1 alternativas").arg(MaxAlternatives);
        return false;
    }
    qint64 flows = 0;
    for (const QJsonValue &alternative : alternatives) {
        const QJsonObject object = alternative.toObject();
        flows += object.value(QLatin1String("income")).toArray().size();
        flows += object.value(QLatin1String("expenses")).toArray().size();
    }
    if (flows > MaxFlows) {
        *reason = tr("tiene más de %1 flujos").arg(MaxFlows);
        return false;
    }

    ProjectSnapshot read;
    read.alternatives.reserve(alternatives.size());
    for (int i = 0; i < alternatives.size(); ++i) {
        const QString where = tr("la alternativa %1").arg(i + 1);
        if (!alternatives.at(i).isObject()) {
            *reason = tr("%1 no es un objeto").arg(where);
            return false;
        }
        const QJsonObject object = alternatives.at(i).toObject();
        AlternativeSnapshot alternative;
        QJsonArray income;
        QJsonArray expenses;
        if (!readCell(object, "name", where, &alternative.name, reason)
            || !readCell(object, "horizon", where, &alternative.horizon, reason)
            || !readCell(object, "rate", where, &alternative.rate, reason)
            || !readCell(object, "taxRate", where, &alternative.taxRate, reason)
            || !readArray(object, "income", where, &income, reason)
            || !readArray(object, "expenses", where, &expenses, reason)
            || !readFlows(income, tr("Ingresos"), where, &alternative.income, reason)
            || !readFlows(expenses, tr("Egresos"), where, &alternative.expenses, reason))
            return false;
        read.alternatives.append(alternative);
    }
    if (!ReplacementFile::fromJson(root.value(QLatin1String("replacements")), &read.replacements,
                                   reason))
        return false;
    *project = read;
    if (extra)
        *extra = root;
    return true;
}

QString ProjectFile::limitProblem(const ProjectSnapshot &project)
{
    if (project.alternatives.size() > MaxAlternatives)
        return tr("tiene más de %1 alternativas").arg(MaxAlternatives);
    if (project.flowCount() > MaxFlows)
        return tr("tiene más de %1 flujos").arg(MaxFlows);
    auto tooLong = [](const QString &text) { return text.size() > MaxTextLength; };
    for (const AlternativeSnapshot &alternative : project.alternatives) {
        bool beyond = tooLong(alternative.name) || tooLong(alternative.horizon)
            || tooLong(alternative.rate) || tooLong(alternative.taxRate);
        for (const auto *flows : {&alternative.income, &alternative.expenses}) {
            for (const FlowSnapshot &flow : *flows) {
                beyond = beyond || tooLong(flow.name) || tooLong(flow.amount)
                    || tooLong(flow.change) || tooLong(flow.payments) || tooLong(flow.start)
                    || tooLong(flow.method) || tooLong(flow.grace) || tooLong(flow.sale)
                    || tooLong(flow.saleValue);
            }
        }
        if (beyond)
            // One multi-argument call: a name holding %1 or %2 stays as typed.
            return tr("una celda de «%1» pasa de %2 caracteres")
                .arg(alternative.name.left(80), QString::number(MaxTextLength));
    }
    return ReplacementFile::limitProblem(project.replacements, MaxTextLength);
}

bool ProjectFile::read(const QString &path, ProjectSnapshot *project, QString *error,
                       QJsonObject *extra)
{
    const QFileInfo info(path);
    QString reason;
    QFile file(path);
    if (!info.exists()) {
        reason = tr("el archivo no existe");
    } else if (info.isDir()) {
        reason = tr("es una carpeta");
    } else if (info.size() > MaxFileSize) {
        reason = tr("pasa de %1 MiB").arg(MaxFileSize / (1024 * 1024));
    } else if (errno = 0, !file.open(QIODevice::ReadOnly)) {
        reason = FileSaving::readCause(path, errno, file.errorString());
    } else {
        errno = 0;
        const QByteArray data = file.read(MaxFileSize + 1);
        if (file.error() != QFileDevice::NoError)
            reason = FileSaving::readCause(path, errno, file.errorString());
        else if (fromJson(data, project, &reason, extra))
            return true;
    }
    if (error)
        *error = tr("No se puede abrir «%1»: %2.").arg(describe(path), reason);
    return false;
}

bool ProjectFile::write(const QString &path, const ProjectSnapshot &project, QString *error,
                        const QJsonObject &extra)
{
    QString reason = limitProblem(project);
    if (reason.isEmpty()) {
        reason = FileSaving::write(path, toJson(project, extra));
        if (reason.isEmpty())
            return true;
    }
    if (error)
        *error = tr("No se pudo guardar «%1»: %2.").arg(describe(path), reason);
    return false;
}
