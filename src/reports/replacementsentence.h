#ifndef REPLACEMENTSENTENCE_H
#define REPLACEMENTSENTENCE_H

#include "replacementdecision.h"

#include <QCoreApplication>
#include <QString>

// The decision of a replacement analysis in one sentence: replace the
// defender now, or keep it so many years more and then replace it.
class ReplacementSentence
{
    Q_DECLARE_TR_FUNCTIONS(ReplacementSentence)

public:
    // Names escaped as in the reports; empty for a decision not taken.
    // `pause` follows the colon: " ", or "<br>" in a report that does not
    // wrap its lines.
    static QString of(const ReplacementDecision &decision, const QString &defender,
                      const QString &challenger, const QString &pause = QStringLiteral(" "));
    // "1 año", "4 años".
    static QString years(int count);
};

#endif // REPLACEMENTSENTENCE_H
