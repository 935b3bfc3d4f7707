#ifndef RISKSECTION_H
#define RISKSECTION_H

#include "montecarlo.h"
#include "projectfigures.h"
#include "reportdocument.h"
#include "sensitivityreport.h"

#include <QCoreApplication>
#include <QString>

// The risk part of the "Sensibilidad" report, from the simulation's draws:
// for each alternative the mean, standard deviation and percentiles of its
// VPN, the probability that it is positive and a histogram; for the project
// the probability that each alternative is the best, and the seed.
class RiskSection
{
    Q_DECLARE_TR_FUNCTIONS(RiskSection)

public:
    static QString alternativePart(int index, const MonteCarlo::Outcome &outcome,
                                   int pictureWidth, ReportDocument *document);
    static QString projectPart(const ProjectFigures &project, const MonteCarlo::Outcome &outcome,
                               const SensitivityReport::Settings &settings, bool annual);
    // "P(VPN > 0) = 0.873"
    static QString positiveShare(double share);
};

#endif // RISKSECTION_H
