#ifndef REPLACEMENTSNAPSHOT_H
#define REPLACEMENTSNAPSHOT_H

#include "assetsnapshot.h"

#include <QString>

// A replacement analysis as the user typed it: keep the defender or replace
// it by the challenger, at one rate.
struct ReplacementSnapshot
{
    QString name;
    QString rate; // "Interés de Oportunidad"
    AssetSnapshot defender;
    AssetSnapshot challenger;

    const AssetSnapshot &asset(int index) const { return index == 0 ? defender : challenger; }
    AssetSnapshot &asset(int index) { return index == 0 ? defender : challenger; }

    bool operator==(const ReplacementSnapshot &other) const
    {
        return name == other.name && rate == other.rate && defender == other.defender
            && challenger == other.challenger;
    }
    bool operator!=(const ReplacementSnapshot &other) const { return !(*this == other); }
};

#endif // REPLACEMENTSNAPSHOT_H
