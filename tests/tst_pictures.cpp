#include "cashflowdiagram.h"
#include "oracle.h"
#include "vpnprofile.h"

#include <QtTest>

#include <cmath>

namespace {

// VPN with each payment discounted on its own (oracle.h).
double vpnOf(const AlternativeFigures &a, double rate)
{
    long double sum = 0;
    for (const auto *flows : {&a.income, &a.expenses})
        for (const auto &f : *flows)
            sum += (flows == &a.income ? 1 : -1) * Oracle::flow(f.figures.kind, rate, f.figures.amount, f.figures.change, f.figures.payments, f.figures.start).sum;
    return double(sum);
}

} // namespace

class TestPictures : public QObject
{
    Q_OBJECT

private slots:
    void diagram_data()
    {
        QTest::addColumn<QVector<double>>("income");
        QTest::addColumn<QVector<double>>("expenses");
        QTest::addColumn<int>("width");
        // first-last period, i(ncome)/e(xpense), ^ up / v down, x, length
        // over the first one's; label: + across, | along the arrow, - none.
        QTest::addColumn<QString>("arrows");
        // Periods 30 + 190 p px; period 2 pays nothing.
        QTest::newRow("per period") << QVector<double>{0, 50, 0, 100} << QVector<double>{200} << 630
                                    << "0-0ev30:1+ 1-1i^220:0.25+ 3-3i^600:0.5+";
        // Widened to 120: 60 px for 9 steps, so pairs of periods; no arrow
        // for the pairs that net 0.
        QTest::newRow("grouped") << QVector<double>{0, 10, 10, 0, 0, 0, 5, 0, 0, 40}
                                 << QVector<double>{30, 0, 0, 10, 0, 0, 5} << 50
                                 << "0-1ev33:1- 8-9i^87:2-";
        // 28.5 px apart: amounts fit only along their arrows.
        QTest::newRow("labels along") << (QVector<double>(20) << 1500) << QVector<double>{1500} << 630
                                      << "0-0ev30:1| 20-20i^600:1|";
    }

    void diagram()
    {
        QFETCH(QVector<double>, income);
        QFETCH(QVector<double>, expenses);
        QFETCH(int, width);
        QFETCH(QString, arrows);
        const auto layout = CashFlowDiagram::layout(income, expenses, width);
        const QImage image = CashFlowDiagram::render(layout);
        QCOMPARE(image.size(), QSize(std::max(width, 120), CashFlowDiagram::Height));
        QStringList seen;
        for (const auto &arrow : layout.arrows) {
            seen << QStringLiteral("%1-%2%3%4%5:%6%7").arg(arrow.firstPeriod).arg(arrow.lastPeriod)
                        .arg(arrow.income ? 'i' : 'e').arg(arrow.up ? '^' : 'v').arg(std::lround(arrow.x))
                        .arg(arrow.length / layout.arrows[0].length, 0, 'g', 3)
                        .arg(arrow.label.text.isEmpty() ? '-' : arrow.label.vertical ? '|' : '+');
            const double middle = layout.axisY + (arrow.up ? -0.5 : 0.5) * arrow.length;
            QVERIFY(image.pixelColor(std::lround(arrow.x), std::lround(middle)) != Qt::white);
        }
        QCOMPARE(seen.join(' '), arrows);
        QCOMPARE(layout.axisLabel.contains("grupo"), layout.periodsPerGroup > 1);
    }

    void profile_data()
    {
        QTest::addColumn<QVector<double>>("rates");
        QTest::addColumn<QVector<double>>("tirs");   // of the first alternative
        QTest::addColumn<QVector<double>>("marked"); // by alternative, its rate first
        QTest::newRow("one") << QVector<double>{0.1} << QVector<double>{} << QVector<double>{0.1};
        QTest::newRow("two, a tir") << QVector<double>{0.1, 0.05} << QVector<double>{0.1986}
                                    << QVector<double>{0.1, 0.1986, 0.05};
        QTest::newRow("rates that cannot be valued") << QVector<double>{0.1, -1.5}
            << QVector<double>{NAN, 2.0, -1.0} << QVector<double>{0.1, 2.0};
    }

    void profile()
    {
        QFETCH(QVector<double>, rates);
        QFETCH(QVector<double>, tirs);
        QFETCH(QVector<double>, marked);
        QVector<AlternativeFigures> alternatives;
        for (const double rate : rates)
            alternatives.append({"A", 6, rate, {{"ventas", {CashFlow::Uniform, 100, 0, 5, 1}},
                {"ahorro", {CashFlow::Arithmetic, 40, 10.0 * alternatives.size(), 6, 1}}},
                {{"inversión", {CashFlow::Uniform, 500, 0, 1, 0}}}});
        const auto profile = VpnProfile::compute(alternatives, {{tirs.begin(), tirs.end()}});
        QVector<double> seen;
        for (const auto &mark : profile.marks) {
            seen << mark.rate;
            QVERIFY(std::fabs(mark.vpn - vpnOf(alternatives[mark.alternative], mark.rate)) < 1e-9);
        }
        QCOMPARE(seen, marked);
        const auto [low, high] = std::minmax_element(marked.begin(), marked.end());
        QVERIFY(profile.lowRate > -1 && profile.lowRate < *low && *high < profile.highRate);
        for (int a = 0; a < rates.size(); ++a) {
            const auto &points = profile.curves[a].points;
            QVERIFY(points.first().x() == profile.lowRate && points.last().x() == profile.highRate);
            for (const QPointF &p : points) {
                QVERIFY(std::fabs(p.y() - vpnOf(alternatives[a], p.x())) < 1e-9
                        && profile.lowVpn <= std::min(p.y(), 0.0) && std::max(p.y(), 0.0) <= profile.highVpn);
            }
        }
        const QImage image = VpnProfile::render(profile, 500);
        QVERIFY(image.width() == 500 && image.height() > VpnProfile::PlotHeight);
    }
};

QTEST_MAIN(TestPictures)
#include "tst_pictures.moc"
