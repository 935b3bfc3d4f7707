#ifndef AFTERTAXROWS_H
#define AFTERTAXROWS_H

#include "alternativefigures.h"

#include <QCoreApplication>
#include <QString>
#include <QVector>

// What "Comparar" adds when an alternative is appraised after taxes or has
// an asset or a loan: the rows "VPN del proyecto" and "TIR del proyecto"
// (the project's flow beside the decision flow the other rows value), and
// the sentences saying which flow decided each alternative.
class AfterTaxRows
{
    Q_DECLARE_TR_FUNCTIONS(AfterTaxRows)

public:
    // The two rows' markup; empty when no alternative needs them.
    static QString rows(const QVector<AlternativeFigures> &alternatives);
    // The paragraphs naming each alternative's decision flow; empty as above.
    static QString sentences(const QVector<AlternativeFigures> &alternatives);
    // "flujo de caja del inversionista, después de impuestos y con financiación"
    static QString decisionFlow(const AlternativeFigures &alternative);
};

#endif // AFTERTAXROWS_H
