#ifndef ASSETSNAPSHOT_H
#define ASSETSNAPSHOT_H

#include <QString>

// One asset of a replacement analysis as the user typed it: the defender
// (the one owned) or the challenger (the one that could replace it). Lists
// are typed in one cell, separated by ";".
struct AssetSnapshot
{
    QString name;
    QString first;          // "Valor de mercado hoy" (defender), "Costo inicial" (challenger)
    QString marketValues;   // "Valores de mercado": at the end of each coming year
    QString operatingCosts; // "Costos de operación": of each coming year

    bool operator==(const AssetSnapshot &other) const
    {
        return name == other.name && first == other.first && marketValues == other.marketValues
            && operatingCosts == other.operatingCosts;
    }
    bool operator!=(const AssetSnapshot &other) const { return !(*this == other); }
};

#endif // ASSETSNAPSHOT_H
