#ifndef COMPARISONREPORT_H
#define COMPARISONREPORT_H

#include <QList>
#include <QString>

// The "Comparar" report: one table with a column per alternative and the
// rows VPI (present value of income), VPE (present value of expenses) and
// VPN (net present value, VPI - VPE).
class ComparisonReport
{
public:
    void addAlternative(const QString &name, double incomeValue, double expenseValue);
    QString document() const;

private:
    QStringList names;
    QList<double> vpi;
    QList<double> vpe;
    QList<double> vpn;
};

#endif // COMPARISONREPORT_H
