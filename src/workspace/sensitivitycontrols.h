#ifndef SENSITIVITYCONTROLS_H
#define SENSITIVITYCONTROLS_H

#include "sensitivityreport.h"

#include <QWidget>

class QLabel;
class QProgressBar;
class QPushButton;
class QSpinBox;

// The controls of the "Sensibilidad" report under the other report
// buttons: the button, the variation "±" (1 % to 90 %, kept in QSettings),
// the number of draws, the seed with "Otra semilla", and, while a long
// simulation runs, its progress and "Cancelar".
class SensitivityControls : public QWidget
{
    Q_OBJECT

public:
    static constexpr int DefaultVariation = 10;
    static constexpr int DefaultDraws = 10000;

    explicit SensitivityControls(QWidget *parent = nullptr);

    QPushButton *button() const { return m_button; }
    SensitivityReport::Settings settings() const;
    quint64 seed() const { return m_seed; }
    void setSeed(quint64 seed);

    // A simulation runs in the background (percent done), or no longer.
    void showProgress(int percent);
    void hideProgress();

signals:
    void requested();
    void seedChanged();
    void cancelRequested();

private:
    QPushButton *m_button;
    QSpinBox *variation;
    QSpinBox *draws;
    QLabel *seedLabel;
    QProgressBar *progress;
    QPushButton *cancel;
    quint64 m_seed = 0;
};

#endif // SENSITIVITYCONTROLS_H
