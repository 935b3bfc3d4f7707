#ifndef SHEETNAMES_H
#define SHEETNAMES_H

#include <QSet>
#include <QString>

// The names of a workbook's sheets, each one a spreadsheet accepts: at most
// 31 characters, none of []:*?/\ (nor ' and !, which would keep the sheet's
// cells from being named), not blank, and different from every name taken
// before, whatever the case.
class SheetNames
{
public:
    static constexpr int MostCharacters = 31;

    // A name as close to `wanted` as the rules allow, unique among those
    // returned before; `fallback` when nothing of `wanted` remains.
    QString add(const QString &wanted, const QString &fallback);

    // The name as a formula writes it before "!": 'Name'.
    static QString quoted(const QString &sheet);

private:
    QSet<QString> taken; // case-folded
};

#endif // SHEETNAMES_H
