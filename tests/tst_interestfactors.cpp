// The interest factors against the payments they stand for, each payment
// discounted on its own in long double.
#include "interestfactors.h"

#include <QtTest>

#include <cfloat>
#include <climits>
#include <cmath>

namespace {

using LD = long double;
enum Kind { Compound, Discount, UniformP, UniformF, GradientP, GradientF, GeometricP, GeometricF };
const char *const kNames[] = {"compound",  "discount",  "uniform P",   "uniform F",
                              "gradient P", "gradient F", "geometric P", "geometric F"};
const double kInf = std::numeric_limits<double>::infinity();
const double kNaN = std::numeric_limits<double>::quiet_NaN();

// a is the amount (F, A or A1); b is the gradient G or the growth g.
double worth(int kind, double i, int n, double a, double b)
{
    switch (kind) {
    case Compound: return compoundFactor(i, n);
    case Discount: return discountToPresent(i, n, a);
    case UniformP: case UniformF: return uniformSeriesWorth(i, n, a, kind == UniformF);
    case GradientP: case GradientF: return arithmeticGradientWorth(i, n, b, kind == GradientF, a);
    default: return geometricGradientWorth(i, n, a, b, kind == GeometricF);
    }
}

// Payment k is carried from period k to period 0 (or n) as
// exp((T - k) log(1 + i)), and the terms are added relative to the largest,
// so that neither 0 * inf nor inf - inf can turn up. Negative counts take
// sum_{k=1}^{n} = -sum_{k=n+1}^{0}. size is the sum of the terms' magnitudes.
void discountEach(int kind, double i, int n, double a, double b, LD &sum, LD &size)
{
    const LD li = log1pl(i);
    if (kind == Compound || kind == Discount) {
        sum = size = kind == Compound ? expl(n * li) : a * expl(-n * li);
        return;
    }
    const LD T = (kind == UniformF || kind == GradientF || kind == GeometricF) ? n : 0;
    const auto logTerm = [&](long long k, LD &sign) {
        LD pay = a, lp = logl(fabsl(a));
        if (kind == GradientP || kind == GradientF)
            lp = logl(fabsl(pay = a + LD(k - 1) * b));
        else if (kind == GeometricP || kind == GeometricF)
            lp += (k - 1) * log1pl(b);
        sign = pay < 0 ? -1 : 1;
        return lp + (T - k) * li;
    };
    const long long lo = n > 0 ? 1 : n + 1LL, hi = n > 0 ? n : 0;
    LD top = -INFINITY, sign;
    for (long long k = lo; k <= hi; ++k)
        top = std::max(top, logTerm(k, sign));
    sum = size = 0;
    if (std::isinf(top)) // no payments, or all of them 0
        return;
    for (long long k = lo; k <= hi; ++k) {
        const LD t = expl(logTerm(k, sign) - top);
        sum += sign * t;
        size += t;
    }
    const LD scale = expl(top) * (n > 0 ? 1 : -1);
    sum *= scale;
    size *= fabsl(scale);
}

void expectNear(double got, LD want, LD size)
{
    if (fabsl(want) > DBL_MAX)
        QCOMPARE(got, want > 0 ? kInf : -kInf);
    else
        QVERIFY2(fabsl(got - want) <= 1e-9L * size + DBL_MIN, qPrintable(QString::number(got, 'g', 17)));
}

void columns()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<double>("i");
    QTest::addColumn<int>("n");
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("b");
}

} // namespace

class TestInterestFactors : public QObject
{
    Q_OBJECT
private slots:
    void againstEachPayment_data();
    void againstEachPayment();
    void limits_data();
    void limits();
};

void TestInterestFactors::againstEachPayment_data()
{
    columns();
    for (double i : {0.0, 1e-15, -1e-15, 1e-8, -1e-8, 1e-4, -1e-4, 0.1, 5.0, 1e300, -0.5, -0.999, -1 + 0x1p-30, 1e-320}) {
        const double near = i + 1e-12 * std::max(1.0, std::fabs(i));
        const struct { int kind; double a, b; } rows[] = {
            {Compound, 0, 0},      {Discount, 1000, 0},   {UniformP, 100, 0},     {UniformF, 100, 0},
            {GradientP, 50, 10},   {GradientF, 50, 10},   {GradientP, -40, 10},   {GradientF, -40, 10},
            {GeometricP, 100, i},  {GeometricF, 100, i},  {GeometricP, 100, near}, {GeometricF, 100, near},
            {GeometricP, 100, 0.04}, {GeometricF, 100, 0.04}};
        for (int n : {-40, -7, -1, 0, 1, 2, 5, 32, 33, 1000, 100000})
            for (const auto &r : rows)
                QTest::addRow("%s i=%g n=%d a=%g b=%.15g", kNames[r.kind], i, n, r.a, r.b)
                    << r.kind << i << n << r.a << r.b;
    }
}

void TestInterestFactors::againstEachPayment()
{
    QFETCH(int, kind); QFETCH(double, i); QFETCH(int, n); QFETCH(double, a); QFETCH(double, b);
    LD sum, size;
    discountEach(kind, i, n, a, b, sum, size);
    expectNear(worth(kind, i, n, a, b), sum, size);
}

void TestInterestFactors::limits_data()
{
    columns();
    QTest::addColumn<double>("expected");
    const LD n = INT_MAX;
    const struct { int kind; double i; int n; double a, b; LD expected; } rows[] = {
        // Textbook figures at 10 %, five payments.
        {Compound, 0.1, 5, 0, 0, 1.61051L}, {Discount, 0.1, 5, 1000, 0, 620.921323059155L},
        {UniformP, 0.1, 5, 100, 0, 379.078676940845L}, {UniformF, 0.1, 5, 100, 0, 610.51L},
        {GradientP, 0.1, 5, 50, 10, 258.15735388169L}, {GradientP, 0.1, 5, 0, 10, 68.6180154112672L},
        {GradientF, 0.1, 5, 50, 10, 415.765L}, {GeometricP, 0.1, 5, 100, 0.04, 407.590450230051L},
        {GeometricF, 0.1, 5, 100, 0.04, 656.428496L}, {Compound, 0.1, -2, 0, 0, 1 / 1.21L},
        {Discount, 0.1, -2, 100, 0, 121}, {GeometricP, 0, 5, 100, 0.04, 541.632256L},
        {UniformP, 0.1, -2, 100, 0, -210}, {GeometricP, 0.1, 5, 100, 0.1, 500 / 1.1L},
        {GeometricF, 0.1, 5, 100, 0.1, 732.05L},
        // Counts at the ends of int: perpetuities and closed forms that are safe in long double.
        {UniformP, 0.1, INT_MAX, 100, 0, 100 / LD(0.1)}, {UniformF, 0.1, INT_MIN, 100, 0, -100 / LD(0.1)},
        {UniformP, -0.5, INT_MIN, 100, 0, -200}, {UniformF, 0.1, INT_MAX, 1, 0, kInf},
        {UniformP, 0.1, INT_MIN, 1, 0, -kInf}, {UniformP, 1e300, INT_MAX, 100, 0, 100 / LD(1e300)},
        {UniformP, 1e-8, INT_MAX, 1, 0, -expm1l(-n * log1pl(1e-8)) / LD(1e-8)},
        {UniformF, 1e-15, INT_MAX, 1, 0, expm1l(n * log1pl(1e-15)) / LD(1e-15)},
        {GradientP, 0.1, INT_MAX, 50, 10, 50 / LD(0.1) + 10 / (LD(0.1) * LD(0.1))},
        {GradientF, 0, INT_MAX, 1, 1, n + n * (n - 1) / 2},
        {GeometricP, 0.1, INT_MAX, 100, 0.05, 100 / (LD(0.1) - LD(0.05))},
        {GeometricP, 0.1, INT_MAX, 100, 0.1, n * 100 / (1 + LD(0.1))},
        {GeometricF, 0.1, INT_MAX, 1, 0.1, kInf},
        {Compound, 0x1p-33, INT_MAX, 0, 0, powl(1 + 0x1p-33L, n)}, {Compound, 0.1, INT_MIN, 0, 0, 0},
        {Compound, -0.5, INT_MIN, 0, 0, kInf}, {Compound, -0.5, 1074, 0, 0, 0x1p-1074},
        {Compound, 1e-320, INT_MAX, 0, 0, 1}, {Discount, 1e300, 2, 1e300, 0, 1e300L / ((1 + 1e300L) * (1 + 1e300L))},
        // An amount of 0 is worth 0 however large its factor; beyond the range, inf of its sign.
        {UniformF, 1e300, 5, 0, 0, 0}, {GradientF, 1e300, 5, 0, 0, 0}, {GeometricF, 1e300, 5, 0, 0.04, 0},
        {Discount, 1e300, -5, 0, 0, 0}, {UniformF, 1e300, 5, -100, 0, -kInf}, {GradientF, 1e300, 5, 0, -1, -kInf},
        // Rates of -1 and below keep the closed forms.
        {UniformP, -1, 5, 100, 0, kInf}, {GradientP, -2, 5, 50, 10, -70}, {GeometricP, -2, 5, 100, -2, -500},
        {Compound, -3, 3, 0, 0, -8}, {Compound, -1, 3, 0, 0, 0},
        // nan in, nan out.
        {Compound, kNaN, 0, 0, 0, kNaN}, {Discount, kNaN, 5, 1, 0, kNaN}, {UniformF, kNaN, 5, 1, 0, kNaN},
        {GradientP, kNaN, 5, 1, 1, kNaN}, {GeometricP, kNaN, 5, 1, 0.04, kNaN},
        {GeometricF, 0.1, 5, 1, kNaN, kNaN}, {UniformP, 0.1, 5, kNaN, 0, kNaN}};
    for (const auto &r : rows)
        QTest::addRow("%s i=%g n=%d a=%g b=%g", kNames[r.kind], r.i, r.n, r.a, r.b)
            << r.kind << r.i << r.n << r.a << r.b << double(r.expected);
}

void TestInterestFactors::limits()
{
    QFETCH(int, kind); QFETCH(double, i); QFETCH(int, n); QFETCH(double, a); QFETCH(double, b);
    QFETCH(double, expected);
    const double got = worth(kind, i, n, a, b);
    if (std::isnan(expected))
        QVERIFY(std::isnan(got));
    else if (std::isinf(expected) || std::fabs(expected) < DBL_MIN) // exactly
        QVERIFY2(got == expected, qPrintable(QString::number(got, 'g', 17)));
    else
        expectNear(got, expected, std::fabs(expected));
}

QTEST_APPLESS_MAIN(TestInterestFactors)
#include "tst_interestfactors.moc"
