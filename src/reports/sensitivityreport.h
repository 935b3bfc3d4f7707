#ifndef SENSITIVITYREPORT_H
#define SENSITIVITYREPORT_H

#include "estimate.h"
#include "estimates.h"
#include "montecarlo.h"
#include "projectfigures.h"
#include "reportdocument.h"

#include <QCoreApplication>
#include <QString>

#include <vector>

// The "Sensibilidad" report: for each alternative, its figures varied one
// at a time by +-p (a table and a tornado diagram), the value of each
// figure at which its VPN is zero and, for the best alternative, at which
// it stops being the best, a spider plot of the figures of largest swing,
// and the risk the simulation found (RiskSection).
class SensitivityReport
{
    Q_DECLARE_TR_FUNCTIONS(SensitivityReport)

public:
    struct Settings {
        double variation = 0.10; // p, a fraction
        long long draws = 10000;
        quint64 seed = 0;
        bool outOfMemory = false; // the draws did not fit in memory
    };

    static Estimates estimatesOf(const AlternativeFigures &alternative);
    static std::vector<Estimates> estimatesOf(const ProjectFigures &project);

    // The simulation the report shows the risk of.
    static MonteCarlo simulation(const ProjectFigures &project, double variation);

    // The report of `project`; the risk part only with an outcome of the
    // simulation (of the same figures and variation).
    static ReportDocument document(const ProjectFigures &project, const Settings &settings,
                                   const MonteCarlo::Outcome *outcome, int pictureWidth);

    // The report's name of a figure: "Interés de Oportunidad", "«Ventas»",
    // "Gradiente de «Ventas»", "Crecimiento de «Ventas»", "Tasa de Impuestos",
    // "Torno: costo", "Torno: valor de venta", "Banco: tasa"; escaped.
    static QString label(const AlternativeFigures &alternative, const Estimate &estimate);
    // The same, plain, for the pictures.
    static QString plainLabel(const AlternativeFigures &alternative, const Estimate &estimate);
    // A figure's value as typed: a rate or an amount.
    static QString value(const Estimates &figures, const Estimate &estimate, double value);
    // A change as a signed percentage, "−18.8 %", "+4.0 %".
    static QString change(double fraction);

private:
    static QString alternativeSection(const ProjectFigures &project, int index,
                                      const std::vector<Estimates> &all, int best, bool annual,
                                      const Settings &settings, int pictureWidth,
                                      ReportDocument *document);
};

#endif // SENSITIVITYREPORT_H
