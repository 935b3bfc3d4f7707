// VAE and TIR against their payments, each discounted on its own in long
// double, and the TIR against a bisection of its own. B/C, a plain ratio of
// two worths, is checked as shown in tst_indicators.
#include "annualworth.h"
#include "oracle.h"
#include "rateofreturn.h"

#include <QtTest>

#include <cmath>

namespace {

using LD = long double;
using Flows = QVector<double>; // kind, amount, change, payments, start; expenses with amount < 0

// One payment a period from period 0, each its own flow.
Flows periods(std::initializer_list<double> pays)
{
    Flows f;
    for (double p : pays)
        f << 0 << p << 0 << 1 << f.size() / 5;
    return f;
}

// The worth at r of the flows' payments, each on its own (oracle.h); an
// expense's gradient G is paid out with it.
Oracle oracle(const Flows &f, LD r)
{
    Oracle w(0, r, 0, 0, 0, 0, 0);
    for (int j = 0; j + 4 < f.size(); j += 5) {
        const Oracle one = Oracle::flow(int(f[j]), r, f[j + 1], f[j] == 1 && f[j + 1] < 0 ? -f[j + 2] : f[j + 2],
                                        int(f[j + 3]), int(f[j + 4]));
        w.sum += one.sum;
        w.size += one.size;
    }
    return w;
}

// 10,000 steps even in log(1 + r) over (-0.99, 100].
LD rateAt(int j) { return expm1l(logl(0.01L) + j * (logl(101.0L) - logl(0.01L)) / 10000); }

} // namespace

class TestRateOfReturn : public QObject
{
    Q_OBJECT
private slots:
    void rates_data()
    {
        QTest::addColumn<Flows>("flows");
        QTest::addColumn<QVector<double>>("want"); // empty for random flows: the bisection decides
        QTest::newRow("-1000 now, 300 for 5") << (Flows{0, -1000, 0, 1, 0, 0, 300, 0, 5, 1}) << QVector<double>{0.152382};
        QTest::newRow("two roots") << periods({-100, 230, -132}) << QVector<double>{0.1, 0.2};
        QTest::newRow("expenses only") << (Flows{1, -10, 5, 6, 2, 2, -7, 0.1, 4, 0}) << QVector<double>{};
        QTest::newRow("root at 0") << periods({-0.3, 0.1, 0.2}) << QVector<double>{0.0}; // not 2.2e-16
        QTest::newRow("near both ends") << periods({1, -100.515, 1.5075}) << QVector<double>{-0.985, 99.5};
        QTest::newRow("double and simple") << periods({1, -4, 5.3125, -2.34375}) << QVector<double>{0.5};
        QTest::newRow("three roots") << periods({1, -3.6, 4.31, -1.716}) << QVector<double>{0.1, 0.2, 0.3};
        QTest::newRow("two roots 0.001 apart") << periods({1, -2.201, 1.2111}) << QVector<double>{0.1, 0.101};
        QTest::newRow("1100 periods") << (Flows{0, -1000, 0, 1, 0, 0, 300, 0, 1100, 1}) << QVector<double>{0.3};
        QRandomGenerator rng(15);
        for (int row = 0; row < 40; ++row) {
            Flows f;
            for (int n = 2 + rng.bounded(4); n > 0; --n) {
                const int kind = rng.bounded(3);
                f << kind << rng.bounded(-1000, 1000) << (rng.bounded(2.0) - 1) * (kind == 2 ? 0.3 : 80);
                f << 1 + rng.bounded(12) << rng.bounded(-2, 9);
            }
            QTest::addRow("random %d", row) << f << QVector<double>{};
        }
    }

    void rates()
    {
        QFETCH(Flows, flows); QFETCH(QVector<double>, want);
        std::vector<CashFlow> income, expenses;
        for (int j = 0; j + 4 < flows.size(); j += 5)
            (flows[j + 1] < 0 ? expenses : income).push_back({CashFlow::Kind(int(flows[j])), std::fabs(flows[j + 1]),
                                                              flows[j + 2], int(flows[j + 3]), int(flows[j + 4])});
        const std::vector<double> got = RateOfReturn::rates(income, expenses);
        QVERIFY(std::is_sorted(got.begin(), got.end()));
        for (double r : got) {
            const Oracle w = oracle(flows, r);
            QVERIFY2(r > -0.99 && r <= 100 && fabsl(w.sum) <= 1e-9L * w.size, qPrintable(QString::number(r, 'g', 17)));
        }
        if (!QByteArray(QTest::currentDataTag()).startsWith("random"))
            QCOMPARE(int(got.size()), want.size());
        for (int j = 0; j < want.size(); ++j)
            QCOMPARE(QString::number(got[j], 'g', 6), QString::number(want[j], 'g', 6)); // as rates are typed
        // Every change of sign on the grid holds a reported root, to which a
        // bisection in long double also comes.
        Oracle prev = oracle(flows, rateAt(0));
        for (int j = 1; j <= 10000; ++j) {
            const Oracle here = oracle(flows, rateAt(j));
            if (std::isfinite(prev.sum * here.sum) && prev.sum * here.sum < 0) {
                LD a = rateAt(j - 1), b = rateAt(j);
                for (int k = 0; k < 200 && a < (a + b) / 2 && (a + b) / 2 < b; ++k)
                    ((oracle(flows, (a + b) / 2).sum < 0) == (prev.sum < 0) ? a : b) = (a + b) / 2;
                const auto near = [&](double r) { return fabsl(r - a) <= 1e-9L * (1 + fabsl(a)); };
                QVERIFY2(std::any_of(got.begin(), got.end(), near), qPrintable(QString::number(double(a), 'g', 17)));
            }
            prev = here;
        }
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
};

QTEST_APPLESS_MAIN(TestRateOfReturn)
#include "tst_rateofreturn.moc"
