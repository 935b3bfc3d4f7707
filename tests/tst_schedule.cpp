// The payment schedule, the cash-flow table laid out from it and the worth of
// an alternative at any rate (FlowValuation), against each payment worked out
// on its own in long double (oracle.h); and how a report shares out its cells.
#include "cashflowtable.h"
#include "oracle.h"

#include <QtTest>

#include <climits>
#include <cmath>

namespace {

using LD = long double;
// Each flow as six numbers: side (1 income, -1 expense), kind (0 uniform, 1
// arithmetic, 2 geometric, 3 single: payments 1), amount, change, payments, start.
using Flows = QVector<double>;
using Sizes = QVector<QPair<int, int>>; // flows, horizon of each alternative

AlternativeFigures alternativeOf(const Flows &f, int horizon, double rate = 0)
{
    AlternativeFigures a{"A", horizon, rate, {}, {}};
    for (int j = 0; j + 5 < f.size(); j += 6)
        (f[j] > 0 ? a.income : a.expenses)
            .append({"F", {CashFlow::Kind(int(f[j + 1])), f[j + 2], f[j + 3], int(f[j + 4]), int(f[j + 5])}});
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

} // namespace

class TestSchedule : public QObject
{
    Q_OBJECT

private slots:
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
        Oracle sides[3] = {{0, 0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0, 0}}; // income, expenses, net
        for (int j = 0; j + 5 < flows.size(); j += 6) {
            const Oracle one = Oracle::flow(int(flows[j + 1]), rate, flows[j + 2], flows[j + 3], int(flows[j + 4]), int(flows[j + 5]));
            for (Oracle *side : {&sides[flows[j] < 0], &sides[2]}) {
                side->sum += side == &sides[2] ? flows[j] * one.sum : one.sum;
                side->size += one.size;
            }
        }
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
        QFETCH(Sizes, alternatives);
        QFETCH(QVector<int>, shown);
        ProjectFigures project;
        for (const auto &sizes : alternatives) {
            project.alternatives.append({"A", sizes.second, 0.1, {}, {}});
            project.alternatives.last().income.resize(sizes.first);
        }
        QCOMPARE(CashFlowTable::shownHorizons(project.alternatives), shown);
        const QVector<CashFlowTable> tables = CashFlowTable::ofProject(project);
        for (int a = 0; a < tables.size(); ++a)
            QCOMPARE(tables.at(a).shown, shown.at(a));
    }
};

QTEST_APPLESS_MAIN(TestSchedule)
#include "tst_schedule.moc"
