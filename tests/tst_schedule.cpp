// The worth of a flow and the factors behind it at the limits no loop reaches,
// the payment schedule, the cash-flow table laid out from it and the worth of
// an alternative at any rate (FlowValuation), against each payment worked out
// on its own in long double (oracle.h); VAE and TIR the same way, and the TIR
// against a bisection of its own; and how a report shares out its cells.
#include "annualworth.h"
#include "cashflowtable.h"
#include "flowworth.h"
#include "interestfactors.h"
#include "oracle.h"
#include "rateconversion.h"
#include "rateofreturn.h"

#include <QtTest>

#include <climits>
#include <cmath>

Q_DECLARE_METATYPE(RateConversion::Kind)
Q_DECLARE_METATYPE(RateConversion::Period)

namespace {

using LD = long double;
// Each flow as six numbers: side (1 income, -1 expense), kind (0 uniform, 1
// arithmetic, 2 geometric, 3 single: payments 1, 4 to 6: the first three
// paying for ever), amount, change, payments, start.
using Flows = QVector<double>;
using Sizes = QVector<QPair<int, int>>; // flows, horizon of each alternative

CashFlow flowOf(const Flows &f, int j)
{
    const int kind = int(f[j + 1]);
    return {CashFlow::Kind(kind % 4), f[j + 2], f[j + 3], int(f[j + 4]), int(f[j + 5]), kind > 3};
}

AlternativeFigures alternativeOf(const Flows &f, int horizon, double rate = 0)
{
    AlternativeFigures a{"A", horizon, rate, false, {}, {}};
    for (int j = 0; j + 5 < f.size(); j += 6)
        (f[j] > 0 ? a.income : a.expenses).append({"F", flowOf(f, j)});
    return a;
}

// The payment of flow j (of f) in period k, or nothing.
bool paymentOf(const Flows &f, int j, long long k, LD *pay)
{
    const long long s = qint64(f[j + 5]), first = std::max(s, 0LL), count = k - first;
    if (k < first || k >= s + qint64(f[j + 4]))
        return false;
    const LD a = f[j + 2], b = f[j + 3];
    *pay = f[j + 1] == 0 ? a : f[j + 1] == 1 ? a + count * b : a * powl(1 + b, count);
    return true;
}

// Got is want to 1e-12 of `scale`; nan for nan, and beyond the doubles, inf of its sign.
bool near(double got, LD want, LD scale)
{
    const double w = double(want);
    if (std::isnan(w) || std::isinf(w))
        return got == w || (std::isnan(got) && std::isnan(w));
    return got == w || fabsl(got - want) <= 1e-12L * scale + DBL_MIN;
}


// Kinds 0, 1, 2, 3: uniform, arithmetic, geometric, single; a is A, A1 or F, b is G or g.
// A flow starts at s; a series pays in periods 1..n, valued at 0 (s = 1) or n (s = 0).
// A single payment is valued as a flow, whatever n says.
double worth(bool isFlow, int kind, double i, double a, double b, int n, int s)
{
    if (kind >= 3)
        return flowWorth({CashFlow::Kind(kind % 4), a, b, n, s, kind > 3}, i);
    if (isFlow)
        return kind == 0 ? uniformFlowWorth(i, a, n, s) : kind == 1 ? arithmeticFlowWorth(i, a, b, n, s)
                                                                    : geometricFlowWorth(i, a, b, n, s);
    return kind == 0 ? uniformSeriesWorth(i, n, a, s == 0) : kind == 1 ? arithmeticGradientWorth(i, n, b, s == 0, a)
                                                                       : geometricGradientWorth(i, n, a, b, s == 0);
}

void addRow(bool isFlow, int kind, double i, double a, double b, int n, int s, long double expected,
            long double size)
{
    QTest::addRow("%s %d i=%g a=%g b=%.15g n=%d s=%d", isFlow ? "flow" : "series", kind, i, a, b, n, s)
        << isFlow << kind << i << a << b << n << s << double(expected) << double(size);
}

// One payment a period from period 0, each its own flow; an expense if negative.
Flows periods(std::initializer_list<double> pays)
{
    Flows f;
    for (double p : pays)
        f << (p < 0 ? -1 : 1) << 0 << std::fabs(p) << 0 << 1 << f.size() / 6;
    return f;
}

// The worth at r of the flows' income (side 1), expenses (-1) or net (0),
// each payment on its own (oracle.h).
Oracle worthOf(const Flows &f, LD r, int side = 0)
{
    Oracle w;
    for (int j = 0; j + 5 < f.size(); j += 6) {
        if (!side || f[j] == side)
            w.add(f[j + 1] > 3 ? Oracle::perpetual(int(f[j + 1]) - 4, r, f[j + 2], f[j + 3], int(f[j + 5]))
                               : Oracle::flow(int(f[j + 1]), r, f[j + 2], f[j + 3], int(f[j + 4]), int(f[j + 5])),
                  side ? 1 : int(f[j]));
    }
    return w;
}

// 10,000 steps even in log(1 + r) over (-0.99, 100].
LD rateAt(int j) { return expm1l(logl(0.01L) + j * (logl(101.0L) - logl(0.01L)) / 10000); }

} // namespace

class TestSchedule : public QObject
{
    Q_OBJECT

private slots:
    void worth_data();
    void worth();
    void rates_data()
    {
        QTest::addColumn<Flows>("flows");
        QTest::addColumn<QVector<double>>("want"); // empty for random flows: the bisection decides
        QTest::newRow("-1000 now, 300 for 5") << (Flows{-1, 0, 1000, 0, 1, 0, 1, 0, 300, 0, 5, 1}) << QVector<double>{0.152382};
        QTest::newRow("two roots") << periods({-100, 230, -132}) << QVector<double>{0.1, 0.2};
        QTest::newRow("expenses only") << (Flows{-1, 1, 10, 5, 6, 2, -1, 2, 7, 0.1, 4, 0}) << QVector<double>{};
        QTest::newRow("root at 0") << periods({-0.3, 0.1, 0.2}) << QVector<double>{0.0}; // not 2.2e-16
        QTest::newRow("near both ends") << periods({1, -100.515, 1.5075}) << QVector<double>{-0.985, 99.5};
        QTest::newRow("double and simple") << periods({1, -4, 5.3125, -2.34375}) << QVector<double>{0.5};
        QTest::newRow("three roots") << periods({1, -3.6, 4.31, -1.716}) << QVector<double>{0.1, 0.2, 0.3};
        QTest::newRow("two roots 0.001 apart") << periods({1, -2.201, 1.2111}) << QVector<double>{0.1, 0.101};
        QTest::newRow("1100 periods") << (Flows{-1, 0, 1000, 0, 1, 0, 1, 0, 300, 0, 1100, 1}) << QVector<double>{0.3};
        // Perpetual series: only the rates where each converges, r > 0 and r > g.
        QTest::newRow("perpetual: capitalized cost") << (Flows{-1, 3, 1000, 0, 1, 0, 1, 4, 100, 0, 0, 1}) << QVector<double>{0.1};
        QTest::newRow("perpetual: growing 5 %") << (Flows{-1, 3, 1000, 0, 1, 0, 1, 6, 50, 0.05, 0, 1}) << QVector<double>{0.1};
        QTest::newRow("perpetual: -50 + 15/r - 1/r^2") << (Flows{-1, 3, 50, 0, 1, 0, 1, 5, 15, -1, 0, 1}) << QVector<double>{0.1, 0.2};
        QTest::newRow("perpetual: none") << (Flows{-1, 3, 1000, 0, 1, 0, -1, 4, 100, 0, 0, 1}) << QVector<double>{};
        QRandomGenerator rng(15);
        for (int row = 0; row < 40; ++row) {
            Flows f;
            for (int n = 2 + rng.bounded(4); n > 0; --n) {
                const int kind = rng.bounded(3), amount = rng.bounded(-1000, 1000);
                f << (amount < 0 ? -1 : 1) << kind << std::abs(amount) << (rng.bounded(2.0) - 1) * (kind == 2 ? 0.3 : 80);
                f << 1 + rng.bounded(12) << rng.bounded(-2, 9);
            }
            QTest::addRow("random %d", row) << f << QVector<double>{};
        }
    }

    void rates()
    {
        QFETCH(Flows, flows); QFETCH(QVector<double>, want);
        std::vector<CashFlow> income, expenses;
        for (int j = 0; j + 5 < flows.size(); j += 6)
            (flows[j] < 0 ? expenses : income).push_back(flowOf(flows, j));
        const std::vector<double> got = RateOfReturn::rates(income, expenses);
        QVERIFY(std::is_sorted(got.begin(), got.end()));
        for (double r : got) {
            const Oracle w = worthOf(flows, r);
            QVERIFY2(r > -0.99 && r <= 100 && fabsl(w.sum) <= 1e-9L * w.size, qPrintable(QString::number(r, 'g', 17)));
        }
        if (!QByteArray(QTest::currentDataTag()).startsWith("random"))
            QCOMPARE(int(got.size()), want.size());
        for (int j = 0; j < want.size(); ++j)
            QCOMPARE(QString::number(got[j], 'g', 6), QString::number(want[j], 'g', 6)); // as rates are typed
        if (QByteArray(QTest::currentDataTag()).startsWith("perpetual"))
            return; // the roots above are all: the sum has no end below r = 0
        // Every change of sign on the grid holds a reported root, to which a
        // bisection in long double also comes.
        Oracle prev = worthOf(flows, rateAt(0));
        for (int j = 1; j <= 10000; ++j) {
            const Oracle here = worthOf(flows, rateAt(j));
            if (std::isfinite(prev.sum * here.sum) && prev.sum * here.sum < 0) {
                LD a = rateAt(j - 1), b = rateAt(j);
                for (int k = 0; k < 200 && a < (a + b) / 2 && (a + b) / 2 < b; ++k)
                    ((worthOf(flows, (a + b) / 2).sum < 0) == (prev.sum < 0) ? a : b) = (a + b) / 2;
                const auto near = [&](double r) { return fabsl(r - a) <= 1e-9L * (1 + fabsl(a)); };
                QVERIFY2(std::any_of(got.begin(), got.end(), near), qPrintable(QString::number(double(a), 'g', 17)));
            }
            prev = here;
        }
    }

    // Textbook conversions, and a tiny rate that keeps its digits: the rate
    // per target period (real, under an inflation f per period) and its EA.
    void conversions_data()
    {
        using RC = RateConversion;
        QTest::addColumn<double>("rate"); QTest::addColumn<RC::Kind>("kind");
        QTest::addColumn<RC::Period>("period"); QTest::addColumn<RC::Period>("compounding");
        QTest::addColumn<RC::Period>("target"); QTest::addColumn<double>("f");
        QTest::addColumn<double>("want"); QTest::addColumn<double>("wantAnnual"); QTest::addColumn<QString>("abbr");
        const auto A = RC::Period::Annual, M = RC::Period::Monthly, D = RC::Period::Daily;
        QTest::newRow("24 % NAMV") << 0.24 << RC::Kind::NominalDue << A << M << M << 0.0 << 0.02 << 0.268241794562545318 << QStringLiteral("NAMV");
        QTest::newRow("2 % MA") << 0.02 << RC::Kind::NominalAdvance << M << M << M << 0.0 << 0.02 / 0.98 << 0.274345212423376754 << QStringLiteral("MA");
        QTest::newRow("12 % NA continua") << 0.12 << RC::Kind::Continuous << A << M << A << 0.0 << 0.127496851579375671 << 0.127496851579375671 << QStringLiteral("NA continua");
        QTest::newRow("10 % EA, 4 % inflation") << 0.10 << RC::Kind::Effective << A << A << A << 0.04 << 0.0576923076923076923 << 0.0576923076923076923 << QStringLiteral("EA");
        QTest::newRow("1e-12 EA a day") << 1e-12 << RC::Kind::Effective << A << A << D << 0.0 << 2.739726027395894164e-15 << 1e-12 << QStringLiteral("EA");
        QTest::newRow("100 % in advance") << 1.0 << RC::Kind::NominalAdvance << M << M << M << 0.0 << qQNaN() << qQNaN() << QStringLiteral("MA");
    }

    void conversions()
    {
        QFETCH(double, rate); QFETCH(RateConversion::Kind, kind); QFETCH(RateConversion::Period, period);
        QFETCH(RateConversion::Period, compounding); QFETCH(RateConversion::Period, target); QFETCH(double, f);
        QFETCH(double, want); QFETCH(double, wantAnnual); QFETCH(QString, abbr);
        const double force = RateConversion::annualForce(rate, kind, period, compounding);
        const double got = RateConversion::real(RateConversion::effective(force, target), f);
        const double annual = RateConversion::effectiveAnnual(got, target);
        for (const auto &[g, w] : {std::pair(got, want), std::pair(annual, wantAnnual)})
            QVERIFY2(std::isnan(w) ? std::isnan(g) : std::fabs(g - w) <= 1e-10 * std::fabs(w), qPrintable(QString::number(g, 'g', 17)));
        QCOMPARE(QString::fromStdString(RateConversion::abbreviation(kind, period, compounding)), abbr);
        QCOMPARE(RateConversion::current(got, f), RateConversion::effective(force, target));
    }

    void annualWorth_data()
    {
        QTest::addColumn<double>("i");
        QTest::addColumn<int>("n");
        for (double i : {0.0, 0.1, 1e-9, -1e-15, 1e-300, 0.05, -0.5, 100.0})
            for (int n : {-3, 0, 1, 5, 30, 1000, 100000})
                QTest::addRow("i=%g n=%d", i, n) << i << n;
    }

    // VPN over the worth of n payments of 1 at the ends of periods 1 to n.
    void annualWorth()
    {
        QFETCH(double, i); QFETCH(int, n);
        const double got = ::annualWorth(-1234.5, i, n);
        LD sum = 0;
        for (int k = 1; k <= n; ++k)
            sum += expl(-k * log1pl(i));
        const LD want = -1234.5L / sum;
        QVERIFY2(n <= 0 ? std::isnan(got) : fabsl(got - want) <= 1e-12L * fabsl(want),
                 qPrintable(QString::number(got, 'g', 17)));
    }

    void table_data()
    {
        QTest::addColumn<Flows>("flows");
        QTest::addColumn<int>("horizon");
        QTest::addColumn<int>("shown"); // the last period the caller asks for
        const double inf = qInf(), nan = qQNaN(), M = INT_MAX, m = INT_MIN;
        const Flows kinds{1, 0, 100, 0, 3, 1, 1, 1, 50, -10, 3, -1, -1, 2, 100, 0.5, 5, 2, -1, 1, 1e6, 12345.678, 900, -3};
        QTest::newRow("three kinds") << kinds << 5 << 5;
        QTest::newRow("cut to period 2") << kinds << 5 << 2;
        QTest::newRow("900 periods") << kinds << 1000 << 1000;
        QTest::newRow("ends of int") << Flows{1, 0, 1, 0, M, M, 1, 1, 7, 1, M, -5, -1, 0, 1, 0, m, m, 1, 0, 3, 0, M, m} << 2 << 2;
        QTest::newRow("single payments") << Flows{1, 3, 25000, 0, 1, 0, -1, 3, 500, 0, 1, -1, 1, 3, 7, 0, 1, 4, 1, 3, 9, 0, 1, M, -1, 3, 9, 0, 1, m} << 5 << 5;
        QTest::newRow("horizon INT_MIN") << Flows{-1, 0, 5, 0, 1, 0} << INT_MIN << INT_MIN;
        QTest::newRow("horizon INT_MAX, 10 shown") << Flows{1, 2, 1, 0.1, M, -5} << INT_MAX << 10;
        QTest::newRow("inf, nan, -0") << Flows{1, 0, inf, 0, 2, 0, 1, 1, nan, 1, 3, 1, -1, 2, 1, nan, 2, 2, -1, 0, inf, 0, 1, 1, 1, 0, -0.0, 0, 2, 0} << 4 << 4;
        QTest::newRow("alternating, overflowing") << Flows{1, 2, 100, -2, 30, 0, 1, 2, 1e300, 1e10, 5, 1, -1, 1, 1e308, 1e308, 3, 0} << 31 << 31;
    }

    void table()
    {
        QFETCH(Flows, flows); QFETCH(int, horizon); QFETCH(int, shown);
        const CashFlowTable table = CashFlowTable::of(alternativeOf(flows, horizon), shown);
        const int periods = std::max(std::min(shown, horizon), -1) + 1;
        QVERIFY(table.shown == std::min(shown, horizon) && table.net.size() == periods);
        QVERIFY(table.incomeTotals.size() == periods && table.expenseTotals.size() == periods);
        for (int k = 0; k < periods; ++k) {
            LD sums[3] = {0, 0, 0}, scale = 0; // income, expenses, net
            int rows[2] = {0, 0};
            for (int j = 0; j + 5 < flows.size(); j += 6) {
                const bool income = flows[j] > 0;
                const CashFlowTable::Row &row = (income ? table.income : table.expenses).at(rows[!income]++);
                LD pay = 0;
                const bool pays = paymentOf(flows, j, k, &pay);
                QVERIFY(row.amounts.size() == periods && row.pays(k) == pays);
                QVERIFY2(near(row.amounts.at(k), pay, fabsl(pay)), qPrintable(QString("%1 %2").arg(j).arg(k)));
                pay = double(pay); // the sums add the payments as shown: beyond the doubles, inf
                sums[!income] += pay;
                sums[2] += income ? pay : -pay;
                scale += fabsl(pay);
            }
            QVERIFY(near(table.incomeTotals.at(k), sums[0], scale) && near(table.expenseTotals.at(k), sums[1], scale));
            QVERIFY2(near(table.net.at(k), sums[2], scale), qPrintable(QString::number(k)));
        }
    }

    void valuation_data()
    {
        QTest::addColumn<Flows>("flows");
        QTest::addColumn<double>("rate");
        QTest::addColumn<bool>("laidOut"); // within FlowValuation::MostPeriods periods
        const Flows mixed{1, 0, 300, 0, 5, 1, 1, 1, 50, -10, 8, -2, -1, 2, 100, 0.05, 6, 0, -1, 0, 1000, 0, 1, 0};
        for (const double rate : {0.0, 1e-15, 0.1, -0.5, 5.0, qQNaN()})
            QTest::addRow("mixed, i=%g", rate) << mixed << rate << true;
        for (const double rate : {0.0, 0.1, 5.0})
            QTest::addRow("single, i=%g", rate) << Flows{1, 3, 25000, 0, 1, 3, -1, 3, 1000, 0, 1, 0, 1, 3, 50, 0, 1, -2, 1, 3, 1, 0, 1, 1500} << rate << false;
        for (const double rate : {0.0, 1e-15, 0.1, 5.0}) {
            QTest::addRow("to period 1024, i=%g", rate) << Flows{1, 1, 3, 0.5, 1000, 24, -1, 0, 100, 0, 1, 0} << rate << true;
            QTest::addRow("to period 1025, i=%g", rate) << Flows{1, 1, 3, 0.5, 1000, 25, -1, 0, 100, 0, 1, 0} << rate << false;
            QTest::addRow("geometric 6000, i=%g", rate) << Flows{1, 2, 10, 0.001, 6000, -3, -1, 0, 100, 0, 1, 0} << rate << false;
        }
    }

    void valuation()
    {
        QFETCH(Flows, flows); QFETCH(double, rate); QFETCH(bool, laidOut);
        const FlowValuation valuation = alternativeOf(flows, 0).valuation();
        QCOMPARE(valuation.laidOut(), laidOut);
        const Oracle sides[3] = {worthOf(flows, rate, 1), worthOf(flows, rate, -1), worthOf(flows, rate)};
        const double got[] = {valuation.incomeWorth(rate), valuation.expenseWorth(rate), valuation.netWorth(rate),
                              valuation.quickNetWorth(rate)};
        for (int k = 0; k < 4; ++k)
            QVERIFY2(std::isnan(rate) ? std::isnan(got[k]) : sides[std::min(k, 2)].near(got[k]), qPrintable(QString::number(got[k], 'g', 17)));
    }

    void cellsShared_data()
    {
        // A table shown to period K holds (flows + 2) * (K + 1) cells, 24000 at most in all.
        QTest::addColumn<Sizes>("alternatives");
        QTest::addColumn<QVector<int>>("shown");
        QTest::newRow("one period more") << Sizes{{0, 12000}} << QVector<int>{11999};
        QTest::newRow("both cut, cells even") << Sizes{{0, 12000}, {20, 1000}} << QVector<int>{6004, 544};
        QTest::newRow("short one whole") << Sizes{{0, INT_MAX}, {20, 100}, {1, -5}} << QVector<int>{10888, 100, -5};
        QTest::newRow("even shares") << Sizes{{1, INT_MAX}, {1, INT_MAX}, {1, INT_MAX}} << QVector<int>{2665, 2666, 2666};
        QTest::newRow("period 0 at least") << Sizes{{30000, 10}, {0, 50}} << QVector<int>{0, 50};
    }

    void cellsShared()
    {
        QFETCH(Sizes, alternatives); QFETCH(QVector<int>, shown);
        ProjectFigures project;
        for (const auto &sizes : alternatives) {
            project.alternatives.append({"A", sizes.second, 0.1, false, {}, {}});
            project.alternatives.last().income.resize(sizes.first);
        }
        QCOMPARE(CashFlowTable::shownHorizons(project.alternatives), shown);
        const QVector<CashFlowTable> tables = CashFlowTable::ofProject(project);
        for (int a = 0; a < tables.size(); ++a)
            QCOMPARE(tables.at(a).shown, shown.at(a));
    }
};

void TestSchedule::worth_data()
{
    QTest::addColumn<bool>("isFlow");
    QTest::addColumn<int>("kind");
    for (const char *column : {"i", "a", "b"})
        QTest::addColumn<double>(column);
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("s");
    QTest::addColumn<double>("expected");
    QTest::addColumn<double>("size");
    // At 1 + i = 2^-53 each period later is worth 2^53 times more. Up to 32
    // payments the factors add them one by one, beyond through closed forms
    // or, near a rate of 0 or a growth equal to the rate, through series.
    for (double i : {0.0, 1e-15, -1e-8, 1e-4, 0.1, -0.5, 5.0, 1e300, -1 + 0x1p-53}) {
        const double near = i + 1e-12 * std::max(1.0, std::fabs(i));
        const struct { int kind; double a, b; } flows[] = {{0, 100, 0}, {1, -30, 10}, {1, 50, 10}, {2, 100, 0.04}, {2, 100, i}, {2, 100, near}};
        for (int n : {-2, 0, 1, 2, 5, 33, 40, 1000, 100000})
            for (int s : {-3, -1, 0, 1, 2, 3})
                for (const auto &f : flows) {
                    const Oracle o = Oracle::flow(f.kind, i, f.a, f.b, n, s);
                    addRow(true, f.kind, i, f.a, f.b, n, s, o.sum, o.size);
                }
    }
    // A single payment: F / (1 + i)^s, nothing before period 0; n = 7 is not its count.
    for (double i : {0.0, 1e-15, 0.1, -0.5, 5.0, -1 + 0x1p-53})
        for (int s : {INT_MIN, -1, 0, 1, 3, 1500, INT_MAX})
            for (double F : {25000.0, -1e308}) {
                const Oracle o = Oracle::flow(0, i, F, 0, 1, s);
                addRow(true, 3, i, F, 0, 7, s, o.sum, o.size);
            }
    // Perpetual series (kinds 4 to 6) where they converge, summed payment by
    // payment; an amount of 1e308 whose worth overflows on the way only.
    const struct { int kind; double a, b; } perpetual[] = {{0, 100, 0}, {1, -30, 10}, {1, 50, -2}, {2, 100, 0.04}, {2, 100, -0.5}, {2, 100, -1.5}};
    for (double i : {0.1, 0.003, 2.0})
        for (int s : {-3, 0, 1, 40})
            for (const auto &f : perpetual)
                if (f.kind != 2 || std::fabs(1 + f.b) < 1 + i) {
                    const Oracle o = Oracle::perpetual(f.kind, i, f.a, f.b, s);
                    addRow(true, f.kind + 4, i, f.a, f.b, 0, s, o.sum, o.size);
                }
    for (const auto &f : {perpetual[1], perpetual[3]}) { // and finite series of a million payments
        const Oracle o = Oracle::flow(f.kind, 1e-4, f.a, f.b, 1000000, 1);
        addRow(true, f.kind, 1e-4, f.a, f.b, 1000000, 1, o.sum, o.size);
    }
    for (const auto &[kind, i, a, b, s] : {std::tuple(6, -0.1, 100.0, -0.5, 1), std::tuple(4, 1e-3, 1e308, 0.0, 1000000),
                                           std::tuple(5, 0.5, 1e308, 1e308, 10)}) {
        const Oracle o = Oracle::perpetual(kind - 4, i, a, b, s);
        addRow(true, kind, i, a, b, 0, s, o.sum, o.size);
    }
    // Expected -1: the oracle's.
    const long double N = INT_MAX, inf = qInf();
    const double nan = qQNaN();
    const struct { bool isFlow; int kind; double i, a, b; int n, s; long double expected; } rows[] = {
        // Worths that fit in a double although the series or the discount on the way do not.
        {true, 2, 3.0, 2e6, -2.0, 1500, 0, -1}, {true, 2, 0.1, 100, -5.0, 30, 4, -1}, {true, 0, 0.1, 1e308, 0, 3, 1500, -1},
        {true, 1, 5.0, 1e308, 1e308, 3, 0, -1}, {true, 1, 1.0, 1e308, 1e308, 8, 1500, -1}, {true, 2, 0.1, 1, 1500, 100, 1500, -1},
        // Counts at the ends of int: perpetuities, and closed forms safe in long double.
        {false, 0, 0.1, 100, 0, INT_MAX, 1, 1000}, {false, 1, 0.1, 50, 10, INT_MAX, 1, 1500},
        {false, 2, 0.1, 100, 0.05, INT_MAX, 1, 2000}, {false, 2, 0.1, 100, 0.1, INT_MAX, 1, N * 100 / 1.1L},
        {false, 0, 0.1, 1, 0, INT_MAX, 0, inf}, {false, 1, 0, 1, 1, INT_MAX, 0, N + N * (N - 1) / 2},
        {false, 2, 0.1, 100, 0.1, 5, 0, 732.05L}, {false, 1, 0.1, 50, 10, 5, 0, 415.765L},
        {false, 0, 1e-8, 1, 0, INT_MAX, 1, -expm1l(-N * log1pl(1e-8)) / 1e-8L},
        {true, 0, 0.1, 100, 0, INT_MAX, INT_MAX, 0}, {true, 0, 0.1, 100, 0, INT_MIN, INT_MIN, 0},
        {true, 0, 0.1, 100, 0, INT_MAX, INT_MIN, 0}, {true, 0, 0.1, 100, 0, 5, INT_MIN, 0},
        {true, 0, 0.1, 100, 0, 5, INT_MAX, 0}, {true, 0, 0.1, 100, 0, INT_MAX, -5, 1100},
        {true, 0, 0.1, 100, 0, INT_MAX, 2, 1000 / 1.1L}, {true, 1, 0.1, 50, 10, INT_MAX, -5, 1650},
        {true, 2, 0.1, 100, 0.04, INT_MAX, 0, 110 / 0.06L},
        // An amount of 0 is worth 0 however large its factor; beyond the range, inf of its sign.
        {false, 0, 1e300, 0, 0, 5, 0, 0}, {false, 2, 1e300, 0, 0.04, 5, 0, 0}, {false, 0, 1e300, -100, 0, 5, 0, -inf},
        // Rates of -1 and below keep the closed forms; nan in, nan out.
        {false, 0, -1, 100, 0, 5, 1, inf}, {false, 1, -2, 50, 10, 5, 1, -70}, {false, 2, -2, 100, -2, 5, 1, -500},
        {true, 0, nan, 100, 0, 5, 1, nan}, {false, 2, 0.1, 1, nan, 5, 0, nan},
        {true, 3, 0.1, qInf(), 0, 7, 3, inf}, {true, 3, 0.1, -qInf(), 0, 7, 0, -inf}, {true, 3, 0.1, nan, 0, 7, 2, nan},
        {true, 3, 0.1, qInf(), 0, 7, -1, 0}, {true, 3, 0.1, nan, 0, 7, INT_MIN, 0},
        // Perpetual series that do not converge: the sign their payments keep, or nan when it alternates.
        {true, 4, 0, 100, 0, 0, 1, inf}, {true, 4, -0.5, -100, 0, 0, 1, -inf}, {true, 5, 0, 50, -10, 0, 1, -inf},
        {true, 5, -2, 50, 0, 0, 0, inf}, {true, 6, 0.1, 100, 0.1, 0, 1, inf}, {true, 6, 0.1, -100, 0.2, 0, 1, -inf},
        {true, 6, 0.1, 100, -2.5, 0, 1, nan}, {true, 4, 0, 0, 0, 0, 1, 0}, {true, 4, 0.1, 100, 0, 0, INT_MAX, 0},
        {true, 5, nan, 100, 0, 0, 1, nan}};
    for (const auto &r : rows) {
        const Oracle o = r.expected == -1 ? Oracle::flow(r.kind, r.i, r.a, r.b, r.n, r.s) : Oracle();
        r.expected == -1 ? addRow(true, r.kind, r.i, r.a, r.b, r.n, r.s, o.sum, o.size)
                         : addRow(r.isFlow, r.kind, r.i, r.a, r.b, r.n, r.s, r.expected, fabsl(r.expected));
    }
}

// UBSan stops any signed overflow on the way.
void TestSchedule::worth()
{
    QFETCH(bool, isFlow); QFETCH(int, kind); QFETCH(double, i); QFETCH(double, a); QFETCH(double, b);
    QFETCH(int, n); QFETCH(int, s); QFETCH(double, expected); QFETCH(double, size);
    const double got = ::worth(isFlow, kind, i, a, b, n, s);
    const QByteArray shown = QByteArray::number(got, 'g', 17);
    if (std::isnan(expected) || std::isinf(expected) || expected == 0)
        QVERIFY2(got == expected || (std::isnan(got) && std::isnan(expected)), shown.constData());
    else
        QVERIFY2(std::fabs(got - expected) <= 1e-9 * size + DBL_MIN, shown.constData());
}

QTEST_APPLESS_MAIN(TestSchedule)
#include "tst_schedule.moc"
