#ifndef RATECONVERTERDIALOG_H
#define RATECONVERTERDIALOG_H

#include <QDialog>
#include <QPointer>

class ProjectWindow;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// "Convertir tasa": turns a rate as it is stated (effective, nominal due or
// in advance, or continuous, per any period) into the effective rate per the
// periodicity chosen and its effective annual rate, real or current under an
// optional inflation per period (see RateConversion). "Usar en la
// alternativa" writes the result into the "Interés de Oportunidad" of the
// current alternative of `project` as one undoable step; without a project
// it is disabled.
class RateConverterDialog : public QDialog
{
    Q_OBJECT

public:
    explicit RateConverterDialog(ProjectWindow *project, QWidget *parent = nullptr);

    // The rate per period of the periodicity chosen; NaN while the fields do
    // not make one.
    double result() const { return converted; }
    // A fraction ("0.24") or a percentage ("24 %"); NaN for anything else.
    static double readRate(const QString &text);

public slots:
    // Writes the result with 10 significant digits into the current
    // alternative (or the current flow's); false when there is nothing to
    // write or nowhere to write it.
    bool useInAlternative();

private:
    void update();

    QPointer<ProjectWindow> project;
    QLineEdit *rate = nullptr;
    QComboBox *kind = nullptr;
    QComboBox *period = nullptr;
    QComboBox *compounding = nullptr;
    QComboBox *target = nullptr;
    QLineEdit *inflation = nullptr;
    QComboBox *direction = nullptr;
    QLabel *answer = nullptr;
    QPushButton *use = nullptr;
    double converted = 0;
};

#endif // RATECONVERTERDIALOG_H
