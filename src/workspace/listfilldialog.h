#ifndef LISTFILLDIALOG_H
#define LISTFILLDIALOG_H

#include <QDialog>

class QComboBox;
class QLineEdit;
class QSpinBox;

// "Llenar…": a list of yearly values from a first value and a change per
// year, arithmetic (added each year) or geometric (a growth each year, a
// fraction or "5 %"), for a number of years.
class ListFillDialog : public QDialog
{
    Q_OBJECT

public:
    explicit ListFillDialog(QWidget *parent = nullptr);

    // The list as it is typed into a cell, "8000; 7000; 6000"; empty while
    // the fields do not make one.
    QString list() const;
    // The same from figures: each value rounded to the cent and written
    // shortest. Empty for no year or a figure that is not finite.
    static QString list(double first, double change, bool geometric, int years);

private:
    QLineEdit *first;
    QComboBox *kind;
    QLineEdit *change;
    QSpinBox *years;
};

#endif // LISTFILLDIALOG_H
