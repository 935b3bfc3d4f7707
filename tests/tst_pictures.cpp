#include "cashflowdiagram.h"
#include "vpnprofile.h"

#include <QtTest>

#include <cmath>

class TestPictures : public QObject
{
    Q_OBJECT

private slots:
    void diagram_data();
    void diagram();
    void profile_data();
    void profile();
};

void TestPictures::diagram_data()
{
    QTest::addColumn<QVector<double>>("income");
    QTest::addColumn<QVector<double>>("expenses");
    QTest::addColumn<int>("width");
    // first-last, i(ncome)/e(xpense), ^ up / v down, x, length / longest,
    // label: + across, | along the arrow, - none.
    QTest::addColumn<QString>("arrows");
    // Periods 30 + 190 p apart; period 2 pays nothing.
    QTest::newRow("per period") << QVector<double>{0, 50, 0, 100} << QVector<double>{200} << 630
                                << "0-0ev30:1+ 1-1i^220:0.25+ 3-3i^600:0.5+";
    QTest::newRow("both ways at one period")
        << QVector<double>{100} << QVector<double>{100} << 400 << "0-0i^200:1+ 0-0ev200:1+";
    QTest::newRow("signs reverse the arrows")
        << QVector<double>{0, -40} << QVector<double>{0, -80} << 630 << "1-1iv600:0.5+ 1-1e^600:1+";
    // 60 px for 9 steps: pairs of periods, net arrows; groups netting 0 show none.
    QTest::newRow("grouped") << QVector<double>{0, 10, 10, 0, 0, 0, 5, 0, 0, 40}
                             << QVector<double>{30, 0, 0, 10, 0, 0, 5} << 50
                             << "0-1ev33:0.5- 8-9i^87:1-";
    QTest::newRow("no payment") << QVector<double>{0, 0} << QVector<double>{} << 300 << "";
}

void TestPictures::diagram()
{
    QFETCH(QVector<double>, income);
    QFETCH(QVector<double>, expenses);
    QFETCH(int, width);
    QFETCH(QString, arrows);
    const CashFlowDiagram::Layout layout = CashFlowDiagram::layout(income, expenses, width);
    double longest = 0;
    for (const auto &arrow : layout.arrows)
        longest = std::max(longest, arrow.length);
    QStringList seen;
    for (const auto &arrow : layout.arrows) {
        seen << QStringLiteral("%1-%2%3%4%5:%6%7")
                    .arg(arrow.firstPeriod).arg(arrow.lastPeriod)
                    .arg(arrow.income ? 'i' : 'e').arg(arrow.up ? '^' : 'v')
                    .arg(std::lround(arrow.x)).arg(arrow.length / longest, 0, 'g', 3)
                    .arg(arrow.label.text.isEmpty() ? '-' : arrow.label.vertical ? '|' : '+');
        const double tip = layout.axisY + (arrow.up ? -1 : 1) * arrow.length;
        QVERIFY(arrow.length > 0 && tip >= 0 && tip <= layout.height);
    }
    QCOMPARE(seen.join(' '), arrows);
    const bool grouped = layout.periodsPerGroup > 1;
    QCOMPARE(layout.axisLabel.contains(QLatin1String("grupo")), grouped);
    QCOMPARE(layout.ticks.constLast().period, std::max(income.size(), expenses.size()) - 1);

    const QImage image = CashFlowDiagram::render(layout);
    QCOMPARE(image.size(), QSize(std::max(width, 120), CashFlowDiagram::Height));
    for (const auto &arrow : layout.arrows) {
        const double middle = layout.axisY + (arrow.up ? -1 : 1) * arrow.length / 2;
        QVERIFY(image.pixelColor(std::lround(arrow.x), std::lround(middle)) != Qt::white);
    }
}

namespace {

// Each payment discounted on its own, in long double.
long double worthOf(const QVector<AlternativeFigures::Flow> &flows, double rate)
{
    long double sum = 0;
    for (const auto &flow : flows) {
        const CashFlow &f = flow.figures;
        for (int k = 0; k < f.payments; ++k) {
            const long double payment = f.kind == CashFlow::Arithmetic ? f.amount + k * f.change
                                                                      : f.amount;
            sum += payment / std::pow(1.0L + rate, f.start + k);
        }
    }
    return sum;
}

} // namespace

void TestPictures::profile_data()
{
    QTest::addColumn<QVector<double>>("rates");
    QTest::addColumn<QVector<double>>("tirs"); // of the first alternative
    QTest::addColumn<int>("marks");
    QTest::newRow("one alternative") << QVector<double>{0.1} << QVector<double>{} << 1;
    QTest::newRow("two, a tir") << QVector<double>{0.1, 0.05} << QVector<double>{0.1986} << 3;
    QTest::newRow("rates that cannot be valued")
        << QVector<double>{0.1, -1.5} << QVector<double>{NAN, 2.0, -1.0} << 2;
}

void TestPictures::profile()
{
    QFETCH(QVector<double>, rates);
    QFETCH(QVector<double>, tirs);
    QFETCH(int, marks);
    QVector<AlternativeFigures> alternatives;
    for (const double rate : rates) {
        AlternativeFigures a{QStringLiteral("A%1").arg(alternatives.size()), 6, rate, {}, {}};
        a.income = {{"ventas", {CashFlow::Uniform, 100, 0, 5, 1}},
                    {"ahorro", {CashFlow::Arithmetic, 40, 10.0 * alternatives.size(), 6, 1}}};
        a.expenses = {{"inversión", {CashFlow::Uniform, 500, 0, 1, 0}}};
        alternatives << a;
    }
    const VpnProfile::Profile profile = VpnProfile::compute(
        alternatives, {std::vector<double>(tirs.begin(), tirs.end())});
    QVERIFY(profile.lowRate > -1);
    for (const double rate : rates + tirs) {
        if (rate > -1)
            QVERIFY(profile.lowRate < rate && rate < profile.highRate);
    }
    const auto oracle = [&](int a, double rate) {
        return static_cast<double>(worthOf(alternatives[a].income, rate)
                                   - worthOf(alternatives[a].expenses, rate));
    };
    QCOMPARE(profile.marks.size(), marks);
    for (const auto &mark : profile.marks) {
        QVERIFY(mark.kind == VpnProfile::Mark::Opportunity
                    ? mark.rate == rates[mark.alternative]
                    : mark.alternative == 0 && tirs.contains(mark.rate));
        QVERIFY(std::fabs(mark.vpn - oracle(mark.alternative, mark.rate)) < 1e-9);
    }
    QCOMPARE(profile.curves.size(), rates.size());
    for (int a = 0; a < rates.size(); ++a) {
        const auto &points = profile.curves[a].points;
        QCOMPARE(points.size(), VpnProfile::Samples);
        QCOMPARE(points.first().x(), profile.lowRate);
        QCOMPARE(points.last().x(), profile.highRate);
        for (const QPointF &p : points) {
            QVERIFY(std::fabs(p.y() - oracle(a, p.x())) < 1e-9);
            QVERIFY(profile.lowVpn <= std::min(p.y(), 0.0) && std::max(p.y(), 0.0) <= profile.highVpn);
        }
    }
    const QImage image = VpnProfile::render(profile, 500);
    QCOMPARE(image.width(), 500);
    QVERIFY(image.height() > VpnProfile::PlotHeight);
}

QTEST_MAIN(TestPictures)
#include "tst_pictures.moc"
