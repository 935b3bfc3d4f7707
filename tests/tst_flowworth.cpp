// Worth of a flow against its cash-flow schedule, payment by payment.
#include "flowworth.h"

#include <QtTest>

#include <cfloat>
#include <climits>
#include <cmath>

namespace {

// Kind 0: 100 a period; 1: -30, -20, ...; 2: 100 growing 4 %.
double flowWorth(int kind, double i, int n, int s)
{
    return kind == 0 ? uniformFlowWorth(i, 100, n, s)
         : kind == 1 ? arithmeticFlowWorth(i, -30, 10, n, s)
                     : geometricFlowWorth(i, 100, 0.04, n, s);
}

} // namespace

class TestFlowWorth : public QObject
{
    Q_OBJECT
private slots:
    void againstSchedule_data();
    void againstSchedule();
    void extremeCounts_data();
    void extremeCounts();
    void extremeFigures_data();
    void extremeFigures();
};

void TestFlowWorth::againstSchedule_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<double>("i");
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("s");
    // At 1 + i = 2^-53 each period later is worth 2^53 times more.
    for (double i : {0.0, 0.1, -0.5, 1e-9, 5.0, -1 + 0x1p-53})
        for (int n : {-2, 0, 1, 2, 5, 20, 40})
            for (int s = -3; s <= 3; ++s)
                for (int kind = 0; kind < 3; ++kind)
                    QTest::addRow("kind %d i=%g n=%d s=%d", kind, i, n, s) << kind << i << n << s;
}

// The schedule keeps the payments from period 0 on, the first kept being the
// series' first, and each is discounted from its own period.
void TestFlowWorth::againstSchedule()
{
    QFETCH(int, kind); QFETCH(double, i); QFETCH(int, n); QFETCH(int, s);
    long double want = 0, size = 0;
    int j = 0;
    for (long long p = std::max(s, 0); p < static_cast<long long>(s) + n; ++p, ++j) {
        const long double pay = kind == 0 ? 100 : kind == 1 ? -30 + 10 * j : 100 * powl(1.04L, j);
        const long double t = pay / powl(1 + static_cast<long double>(i), p);
        want += t;
        size += fabsl(t);
    }
    const double got = flowWorth(kind, i, n, s);
    if (fabsl(want) > DBL_MAX)
        QCOMPARE(got, want > 0 ? qInf() : -qInf());
    else
        QVERIFY2(fabsl(got - want) <= 1e-9L * size + DBL_MIN, qPrintable(QString::number(got, 'g', 17)));
}

void TestFlowWorth::extremeCounts_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("s");
    QTest::addColumn<double>("uniform"); // 100 a period at 10 %
    const struct { int n, s; double uniform; } rows[] = {
        {5, 3, 313.288162761029}, {INT_MAX, INT_MAX, 0}, {INT_MIN, INT_MIN, 0}, {INT_MAX, INT_MIN, 0},
        {INT_MIN, INT_MAX, 0}, {5, INT_MIN, 0}, {5, INT_MAX, 0}, {INT_MAX, -5, 1100}, {INT_MAX, 0, 1100},
        {INT_MAX, 1, 1000}, {INT_MAX, 2, double(1000 / 1.1L)}};
    for (const auto &r : rows)
        QTest::addRow("n=%d s=%d", r.n, r.s) << r.n << r.s << r.uniform;
}

// Perpetuities at the ends of int; UBSan stops any signed overflow on the way.
void TestFlowWorth::extremeCounts()
{
    QFETCH(int, n); QFETCH(int, s); QFETCH(double, uniform);
    const double got = uniformFlowWorth(0.1, 100, n, s);
    QVERIFY2(std::fabs(got - uniform) <= 1e-9 * uniform, qPrintable(QString::number(got, 'g', 17)));
    QVERIFY(std::isfinite(arithmeticFlowWorth(0.1, 50, 10, n, s)));
    QVERIFY(std::isfinite(geometricFlowWorth(0.1, 100, 0.04, n, s)));
}

void TestFlowWorth::extremeFigures_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<double>("i");
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("g");
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("s");
    // Worths that fit in a double although the series or the discount on
    // the way would not.
    QTest::newRow("growth -2, alternating, paid now") << 2 << 3.0 << 2e6 << -2.0 << 1500 << 0;
    QTest::newRow("growth -5, deferred") << 2 << 0.1 << 100.0 << -5.0 << 30 << 4;
    QTest::newRow("largest amounts, deferred") << 0 << 0.1 << 1e308 << 0.0 << 3 << 1500;
    QTest::newRow("largest amounts, paid now") << 1 << 5.0 << 1e308 << 1e308 << 3 << 0;
    QTest::newRow("discount beyond the range") << 1 << 1.0 << 1e308 << 1e308 << 8 << 1500;
    QTest::newRow("growth far above the rate") << 2 << 0.1 << 1.0 << 1500.0 << 100 << 1500;
}

void TestFlowWorth::extremeFigures()
{
    QFETCH(int, kind); QFETCH(double, i); QFETCH(double, a); QFETCH(double, g);
    QFETCH(int, n); QFETCH(int, s);
    long double want = 0, size = 0, pay = a;
    for (long long p = std::max(s, 0); p < static_cast<long long>(s) + n; ++p) {
        const long double t = pay / powl(1 + static_cast<long double>(i), p);
        want += t;
        size += fabsl(t);
        pay = kind == 1 ? pay + g : kind == 2 ? pay * (1 + static_cast<long double>(g)) : pay;
    }
    const double got = kind == 0 ? uniformFlowWorth(i, a, n, s)
        : kind == 1 ? arithmeticFlowWorth(i, a, g, n, s)
                    : geometricFlowWorth(i, a, g, n, s);
    QVERIFY2(fabsl(got - want) <= 1e-9L * size,
             qPrintable(QStringLiteral("%1 against %2").arg(got, 0, 'g', 17).arg(double(want), 0, 'g', 17)));
}

QTEST_APPLESS_MAIN(TestFlowWorth)
#include "tst_flowworth.moc"
