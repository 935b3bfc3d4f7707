#include "figurereader.h"

#include <QTableWidget>
#include <QVariant>

#include <climits>

namespace {

QVariant displayData(const QTableWidget *table, int row)
{
    if (!table)
        return QVariant();
    const QTableWidgetItem *cell = table->item(row, 0);
    return cell ? cell->data(Qt::DisplayRole) : QVariant();
}

} // namespace

bool FigureReader::toWholeNumber(const QVariant &display, int *value)
{
    bool ok = false;
    const qlonglong wide = display.toLongLong(&ok);
    ok = ok && wide >= INT_MIN && wide <= INT_MAX;
    *value = ok ? static_cast<int>(wide) : 0;
    return ok;
}

bool FigureReader::toAmount(const QVariant &display, double *value)
{
    bool ok = false;
    const double number = display.toDouble(&ok);
    *value = ok ? number : 0.0;
    return ok;
}

int FigureReader::wholeNumber(const QTableWidget *table, int row)
{
    int value = 0;
    toWholeNumber(displayData(table, row), &value);
    return value;
}

double FigureReader::amount(const QTableWidget *table, int row)
{
    double value = 0.0;
    toAmount(displayData(table, row), &value);
    return value;
}

QString FigureReader::text(const QTableWidget *table, int row)
{
    return displayData(table, row).toString();
}
