// The payments of a flow period by period, for every kind of flow and for
// every whole number a user can type.
#include "cashflowschedule.h"

#include <QTest>

#include <climits>
#include <limits>

using Amounts = QList<double>;
Q_DECLARE_METATYPE(CashFlowSchedule::Growth)

namespace {
const double inf = std::numeric_limits<double>::infinity();
const double nan = std::numeric_limits<double>::quiet_NaN();
} // namespace

class TestCashFlowSchedule : public QObject
{
    Q_OBJECT

private slots:
    void amounts_data();
    void amounts();
    void extremeHorizons_data();
    void extremeHorizons();
};

void TestCashFlowSchedule::amounts_data()
{
    QTest::addColumn<CashFlowSchedule::Growth>("growth");
    QTest::addColumn<double>("payment");
    QTest::addColumn<double>("gradient");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("horizon");
    QTest::addColumn<Amounts>("expected");
    using S = CashFlowSchedule;

    QTest::newRow("uniform") << S::Uniform << 100.0 << 0.0 << 3 << 1 << 5
                             << Amounts{0, 100, 100, 100, 0, 0};
    QTest::newRow("arithmetic") << S::Arithmetic << 100.0 << 10.0 << 3 << 2 << 5
                                << Amounts{0, 0, 100, 110, 120, 0};
    QTest::newRow("geometric") << S::Geometric << 100.0 << 0.5 << 3 << 1 << 4
                               << Amounts{0, 100, 150, 225, 0};
    QTest::newRow("start 0") << S::Arithmetic << 50.0 << 5.0 << 2 << 0 << 3
                             << Amounts{50, 55, 0, 0};
    // Payments before period 0 are dropped; the series starts over at A.
    QTest::newRow("negative start") << S::Arithmetic << 100.0 << 10.0 << 4 << -2 << 3
                                    << Amounts{100, 110, 0, 0};
    QTest::newRow("start at horizon") << S::Geometric << 100.0 << 1.0 << 3 << 5 << 5
                                      << Amounts{0, 0, 0, 0, 0, 100};
    QTest::newRow("start past horizon") << S::Uniform << 100.0 << 0.0 << 3 << 6 << 5
                                        << Amounts{0, 0, 0, 0, 0, 0};
    QTest::newRow("window cut at horizon") << S::Arithmetic << 100.0 << 10.0 << 5 << 3 << 4
                                           << Amounts{0, 0, 0, 100, 110};
    QTest::newRow("negative gradient") << S::Arithmetic << 100.0 << -30.0 << 5 << 0 << 4
                                       << Amounts{100, 70, 40, 10, -20};
    QTest::newRow("growth -1") << S::Geometric << 100.0 << -1.0 << 3 << 0 << 3
                               << Amounts{100, 0, 0, 0};
    QTest::newRow("n 0") << S::Uniform << 100.0 << 0.0 << 0 << 0 << 2 << Amounts{0, 0, 0};
    QTest::newRow("n negative") << S::Arithmetic << 100.0 << 1.0 << -3 << 1 << 2
                                << Amounts{0, 0, 0};
    QTest::newRow("N 0 paying") << S::Uniform << 100.0 << 0.0 << 1 << 0 << 0 << Amounts{100};
    QTest::newRow("N negative") << S::Uniform << 100.0 << 0.0 << 3 << 0 << -1 << Amounts{};
    QTest::newRow("N INT_MIN") << S::Geometric << 100.0 << 0.1 << 3 << 0 << INT_MIN << Amounts{};
    QTest::newRow("s and n INT_MAX") << S::Uniform << 1.0 << 0.0 << INT_MAX << INT_MAX << 2
                                     << Amounts{0, 0, 0};
    QTest::newRow("s INT_MIN, n INT_MAX") << S::Uniform << 1.0 << 0.0 << INT_MAX << INT_MIN << 2
                                          << Amounts{0, 0, 0};
    QTest::newRow("s -5, n INT_MAX") << S::Arithmetic << 7.0 << 1.0 << INT_MAX << -5 << 2
                                     << Amounts{7, 8, 9};
    QTest::newRow("s and n INT_MIN") << S::Uniform << 1.0 << 0.0 << INT_MIN << INT_MIN << 1
                                     << Amounts{0, 0};
    QTest::newRow("payment inf") << S::Uniform << inf << 0.0 << 1 << 1 << 2 << Amounts{0, inf, 0};
    QTest::newRow("payment nan") << S::Arithmetic << nan << 1.0 << 2 << 0 << 2
                                 << Amounts{nan, nan, 0};
    QTest::newRow("gradient -inf") << S::Arithmetic << 1.0 << -inf << 3 << 0 << 2
                                   << Amounts{1, -inf, -inf};
    QTest::newRow("growth nan") << S::Geometric << 1.0 << nan << 2 << 0 << 2
                                << Amounts{1, nan, 0};
}

void TestCashFlowSchedule::amounts()
{
    QFETCH(CashFlowSchedule::Growth, growth);
    QFETCH(double, payment);
    QFETCH(double, gradient);
    QFETCH(int, count);
    QFETCH(int, start);
    QFETCH(int, horizon);
    QFETCH(Amounts, expected);

    const CashFlowSchedule schedule(growth, payment, gradient, count, start, horizon);
    const Amounts amounts = schedule.amounts();
    QCOMPARE(amounts.size(), expected.size());
    QCOMPARE(schedule.periodCount(), static_cast<long long>(expected.size()));
    for (int i = 0; i < expected.size(); ++i) {
        QCOMPARE(amounts.at(i), expected.at(i));
        // Only paying periods are written as amounts; a payment of 0 is one.
        const bool pays = i >= schedule.firstPaying() && i < schedule.endPaying();
        QCOMPARE(pays, i >= start && static_cast<long long>(i) - start < count);
    }
}

// Horizons too long to build period by period: the count of periods and
// the paying window stay exact without building the amounts.
void TestCashFlowSchedule::extremeHorizons_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("horizon");
    QTest::addColumn<long long>("periods");
    QTest::addColumn<long long>("first");
    QTest::addColumn<long long>("end");
    const long long all = 1LL + INT_MAX;
    QTest::newRow("all paying") << INT_MAX << 0 << INT_MAX << all << 0LL << 1LL * INT_MAX;
    QTest::newRow("window past N") << INT_MAX << INT_MAX << INT_MAX << all << 1LL * INT_MAX << all;
    QTest::newRow("window before 0") << INT_MAX << INT_MIN << INT_MAX << all << 0LL << 0LL;
    QTest::newRow("N INT_MIN") << INT_MAX << INT_MIN << INT_MIN << 0LL << 0LL << 0LL;
}

void TestCashFlowSchedule::extremeHorizons()
{
    QFETCH(int, count);
    QFETCH(int, start);
    QFETCH(int, horizon);
    QFETCH(long long, periods);
    QFETCH(long long, first);
    QFETCH(long long, end);

    const CashFlowSchedule schedule(CashFlowSchedule::Geometric, 1.0, 0.1, count, start, horizon);
    QCOMPARE(schedule.periodCount(), periods);
    QCOMPARE(schedule.firstPaying(), first);
    QCOMPARE(schedule.endPaying(), end);
}

QTEST_APPLESS_MAIN(TestCashFlowSchedule)
#include "tst_cashflowschedule.moc"
