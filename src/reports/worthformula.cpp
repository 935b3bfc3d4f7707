#include "worthformula.h"

#include "interestfactors.h"
#include "perpetualworth.h"
#include "reportformat.h"

#include <algorithm>
#include <cmath>

namespace {

const QString times = QStringLiteral(" \u00D7 ");

QString money(double value)
{
    return ReportFormat::amount(value);
}

} // namespace

QString WorthFormula::percent(double rate)
{
    return QStringLiteral("%1 %").arg(QString::number(rate * 100.0, 'g', 6));
}

QString WorthFormula::factor(double value)
{
    if (!std::isfinite(value))
        return ReportFormat::worth(value);
    const QString digits = QString::number(value, 'f', 6);
    return digits == QLatin1String("-0.000000") ? digits.mid(1) : digits;
}

QString WorthFormula::line() const
{
    if (!shown)
        return note;
    QString text = QStringLiteral("VP = %1").arg(symbols);
    if (!values.isEmpty())
        text += QStringLiteral(" = ") + values;
    text += QStringLiteral(" = ") + ReportFormat::worth(worth);
    if (!note.isEmpty())
        text += QStringLiteral(". ") + note;
    return text;
}

WorthFormula WorthFormula::of(const CashFlow &flow, double i)
{
    WorthFormula f;
    f.worth = flowWorth(flow, i);
    const QString rate = percent(i);

    if (flow.kind == CashFlow::Single) {
        if (flow.start < 0) {
            f.shown = false;
            f.note = tr("Se paga antes del período 0: no cuenta (VP = 0.00).");
            return f;
        }
        const double pf = discountToPresent(i, flow.start, 1.0);
        f.terms.push_back({flow.amount, pf});
        f.symbols = money(flow.amount) + times
            + QStringLiteral("(P/F, %1, %2)").arg(rate).arg(flow.start);
        f.values = money(flow.amount) + times + factor(pf);
        return f;
    }

    // The payments before period 0 are dropped; the first that remains is
    // the first payment of the series.
    const long long remaining = flow.perpetual
        ? 1
        : static_cast<long long>(flow.payments) + std::min(flow.start, 0);
    if (remaining <= 0) {
        f.shown = false;
        f.note = flow.start < 0 ? tr("Todos sus pagos caen antes del período 0: no cuentan (VP = 0.00).")
                                : tr("No tiene pagos (VP = 0.00).");
        return f;
    }
    const int n = static_cast<int>(remaining);
    const int s = std::max(flow.start, 0);
    if (flow.start < 0) {
        f.note = flow.perpetual
            ? tr("Los pagos antes del período 0 no cuentan: la serie empieza en el período 0.")
            : tr("Los pagos antes del período 0 no cuentan: quedan n = %1 desde el período 0.").arg(n);
    }

    QString symbols;
    QString values;
    const double A = flow.amount;
    const double G = flow.change;
    if (flow.perpetual) {
        const QString r = ReportFormat::rate(i);
        if (!perpetualConverges(flow, i)) {
            switch (flow.kind) {
            case CashFlow::Arithmetic:
                symbols = QStringLiteral("(%1 / %2 + %3 / %2\u00B2)").arg(money(A), r, money(G));
                break;
            case CashFlow::Geometric:
                symbols = QStringLiteral("%1 / (%2 \u2212 %3)").arg(money(A), r, ReportFormat::rate(G));
                break;
            default:
                symbols = QStringLiteral("%1 / %2").arg(money(A), r);
            }
            f.symbols = symbols;
            const QString diverges = tr("La serie no converge con i = %1: su valor no tiene fin.").arg(rate);
            f.note = f.note.isEmpty() ? diverges : f.note + QLatin1Char(' ') + diverges;
            return f;
        }
        switch (flow.kind) {
        case CashFlow::Arithmetic:
            f.terms = {{A, 1.0 / i}, {G, 1.0 / (i * i)}};
            symbols = QStringLiteral("(%1 / %2 + %3 / %2\u00B2)").arg(money(A), r, money(G));
            values = QStringLiteral("(%1%2%3 + %4%2%5)")
                         .arg(money(A), times, factor(1.0 / i), money(G), factor(1.0 / (i * i)));
            break;
        case CashFlow::Geometric:
            f.terms = {{A, 1.0 / (i - G)}};
            symbols = QStringLiteral("%1 / (%2 \u2212 %3)").arg(money(A), r, ReportFormat::rate(G));
            values = money(A) + times + factor(1.0 / (i - G));
            break;
        default:
            f.terms = {{A, 1.0 / i}};
            symbols = QStringLiteral("%1 / %2").arg(money(A), r);
            values = money(A) + times + factor(1.0 / i);
        }
    } else {
        const double pa = uniformSeriesWorth(i, n, 1.0, false);
        const QString pA = QStringLiteral("(P/A, %1, %2)").arg(rate).arg(n);
        switch (flow.kind) {
        case CashFlow::Arithmetic: {
            const double pg = arithmeticGradientWorth(i, n, 1.0, false, 0.0);
            f.terms = {{A, pa}, {G, pg}};
            symbols = QStringLiteral("[%1%2%3 + %4%2(P/G, %5, %6)]")
                          .arg(money(A), times, pA, money(G), rate)
                          .arg(n);
            values = QStringLiteral("[%1%2%3 + %4%2%5]")
                         .arg(money(A), times, factor(pa), money(G), factor(pg));
            break;
        }
        case CashFlow::Geometric: {
            const double pg = geometricGradientWorth(i, n, 1.0, G, false);
            f.terms = {{A, pg}};
            symbols = money(A) + times
                + (G == i ? QStringLiteral("%1/(1 + %2)").arg(n).arg(ReportFormat::rate(i))
                          : QStringLiteral("(P/A1, %1, %2, %3)").arg(percent(G), rate).arg(n));
            values = money(A) + times + factor(pg);
            break;
        }
        default:
            f.terms = {{A, pa}};
            symbols = money(A) + times + pA;
            values = money(A) + times + factor(pa);
        }
        if (i == 0.0 && flow.kind != CashFlow::Geometric) {
            const QString limits = tr("Con i = 0 los factores son sus límites: (P/A, 0 %, n) = n, "
                                      "(P/G, 0 %, n) = n(n \u2212 1)/2.");
            f.note = f.note.isEmpty() ? limits : f.note + QLatin1Char(' ') + limits;
        }
    }

    // The series is worth its sum one period before its first payment.
    if (s == 0) {
        f.move = compoundFactor(i, 1);
        symbols += times + QStringLiteral("(F/P, %1, 1)").arg(rate);
    } else {
        f.move = discountToPresent(i, s - 1, 1.0);
        symbols += times + QStringLiteral("(P/F, %1, %2)").arg(rate).arg(s - 1);
    }
    f.symbols = symbols;
    f.values = values + times + factor(f.move);
    return f;
}
