#include "sheetnames.h"

namespace {

// The first `length` UTF-16 units of `text`, a surrogate pair never split.
QString cut(const QString &text, int length)
{
    if (text.size() <= length)
        return text;
    if (length > 0 && text.at(length - 1).isHighSurrogate())
        --length;
    return text.left(length);
}

} // namespace

QString SheetNames::add(const QString &wanted, const QString &fallback)
{
    QString name;
    name.reserve(wanted.size());
    for (const QChar c : wanted) {
        const bool refused = QStringLiteral("[]:*?/\\'!").contains(c) || c.category() == QChar::Other_Control
            || c.category() == QChar::Other_Format;
        name += refused ? QLatin1Char('_') : c;
    }
    name = cut(name.simplified(), MostCharacters).trimmed();
    if (name.isEmpty() || name.count(QLatin1Char('_')) == name.size())
        name = fallback;
    name = cut(name, MostCharacters);
    // Excel keeps "History" for itself.
    QString unique = name;
    for (int n = 2; taken.contains(unique.toCaseFolded())
         || unique.compare(QLatin1String("History"), Qt::CaseInsensitive) == 0;
         ++n) {
        const QString suffix = QStringLiteral(" (%1)").arg(n);
        unique = cut(name, MostCharacters - suffix.size()).trimmed() + suffix;
    }
    taken.insert(unique.toCaseFolded());
    return unique;
}

QString SheetNames::quoted(const QString &sheet)
{
    return QLatin1Char('\'') + QString(sheet).replace(QLatin1Char('\''), QLatin1String("''"))
        + QLatin1Char('\'');
}
