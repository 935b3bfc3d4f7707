// The worth of a flow against each payment discounted on its own (oracle.h),
// and the factors behind it at the limits no loop reaches.
#include "cashflow.h"
#include "flowworth.h"
#include "interestfactors.h"
#include "oracle.h"

#include <QtTest>

#include <climits>

namespace {

// Kinds 0, 1, 2, 3: uniform, arithmetic, geometric, single; a is A, A1 or F, b is G or g.
// A flow starts at s; a series pays in periods 1..n, valued at 0 (s = 1) or n (s = 0).
// A single payment is valued as a flow, whatever n says.
double worth(bool isFlow, int kind, double i, double a, double b, int n, int s)
{
    if (kind == 3)
        return flowWorth({CashFlow::Single, a, b, n, s}, i);
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

} // namespace

class TestFlowWorth : public QObject
{
    Q_OBJECT
private slots:
    void worth_data();
    void worth();
};

void TestFlowWorth::worth_data()
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
        {true, 3, 0.1, qInf(), 0, 7, -1, 0}, {true, 3, 0.1, nan, 0, 7, INT_MIN, 0}};
    for (const auto &r : rows) {
        const Oracle o = r.expected == -1 ? Oracle::flow(r.kind, r.i, r.a, r.b, r.n, r.s) : Oracle(0, 0, 0, 0, 0, 0, 0);
        r.expected == -1 ? addRow(true, r.kind, r.i, r.a, r.b, r.n, r.s, o.sum, o.size)
                         : addRow(r.isFlow, r.kind, r.i, r.a, r.b, r.n, r.s, r.expected, fabsl(r.expected));
    }
}

// UBSan stops any signed overflow on the way.
void TestFlowWorth::worth()
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

QTEST_APPLESS_MAIN(TestFlowWorth)
#include "tst_flowworth.moc"
