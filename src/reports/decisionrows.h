#ifndef DECISIONROWS_H
#define DECISIONROWS_H

#include "alternativefigures.h"

#include <QCoreApplication>
#include <QString>
#include <QVector>

// The comparison's rows of decision figures, one cell per alternative:
// "TIRM" (the modified rate of return at the alternative's rate over its
// horizon), "PR" (simple payback) and "PRD" (payback discounted at the
// rate), from the net payments period by period.
class DecisionRows
{
    Q_DECLARE_TR_FUNCTIONS(DecisionRows)

public:
    // The net payments that the figures look at: every period up to the
    // horizon and the last payment; the first NetPayments::MostPeriods of
    // a horizon that never ends.
    static std::vector<double> netPayments(const AlternativeFigures &alternative);

    // The three rows' markup.
    static QString rows(const QVector<AlternativeFigures> &alternatives);

    // The TIRM as the row shows it; NaN where it shows "—".
    static double modifiedRate(const AlternativeFigures &alternative);

    // The texts of one cell: a rate, "—"; a period, "3.42", "no se recupera", "—".
    static QString modifiedRateText(const AlternativeFigures &alternative,
                                    const std::vector<double> &net);
    static QString paybackText(double period);

private:
    static double modifiedRateOf(const AlternativeFigures &alternative,
                                 const std::vector<double> &net);
};

#endif // DECISIONROWS_H
