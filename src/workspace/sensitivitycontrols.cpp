#include "sensitivitycontrols.h"

#include <QDate>
#include <QGridLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSettings>
#include <QSpinBox>

namespace {

const QString VariationKey = QStringLiteral("sensitivity/variation");

} // namespace

SensitivityControls::SensitivityControls(QWidget *parent)
    : QWidget(parent)
{
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);

    m_button = new QPushButton(tr("Sensibilidad"), this);
    m_button->setObjectName(QStringLiteral("pbSensibilidad"));
    variation = new QSpinBox(this);
    variation->setObjectName(QStringLiteral("sbVariacion"));
    variation->setRange(1, 90);
    variation->setSuffix(QStringLiteral(" %"));
    variation->setPrefix(QStringLiteral("± "));
    variation->setToolTip(tr("Variación de cada cifra"));
    bool read = false;
    const int kept = QSettings().value(VariationKey).toInt(&read);
    variation->setValue(read && kept >= 1 && kept <= 90 ? kept : DefaultVariation);
    grid->addWidget(m_button, 0, 0);
    grid->addWidget(variation, 0, 1);

    draws = new QSpinBox(this);
    draws->setObjectName(QStringLiteral("sbSimulaciones"));
    draws->setRange(1000, 1000000);
    draws->setSingleStep(1000);
    draws->setValue(DefaultDraws);
    draws->setGroupSeparatorShown(true);
    auto *drawsLabel = new QLabel(tr("Simulaciones"), this);
    drawsLabel->setBuddy(draws);
    grid->addWidget(drawsLabel, 1, 0);
    grid->addWidget(draws, 1, 1);

    seedLabel = new QLabel(this);
    seedLabel->setObjectName(QStringLiteral("lbSemilla"));
    auto *another = new QPushButton(tr("Otra semilla"), this);
    another->setObjectName(QStringLiteral("pbOtraSemilla"));
    grid->addWidget(seedLabel, 2, 0);
    grid->addWidget(another, 2, 1);

    progress = new QProgressBar(this);
    progress->setObjectName(QStringLiteral("pbProgreso"));
    progress->setRange(0, 100);
    cancel = new QPushButton(tr("Cancelar"), this);
    cancel->setObjectName(QStringLiteral("pbCancelar"));
    grid->addWidget(progress, 3, 0);
    grid->addWidget(cancel, 3, 1);
    hideProgress();

    // Today's date as the first seed: a report made again the same day
    // draws the same figures.
    setSeed(QDate::currentDate().toString(QStringLiteral("yyyyMMdd")).toULongLong());

    connect(m_button, &QPushButton::clicked, this, &SensitivityControls::requested);
    connect(variation, &QSpinBox::valueChanged, this,
            [](int value) { QSettings().setValue(VariationKey, value); });
    connect(another, &QPushButton::clicked, this, [this] {
        quint64 next = m_seed;
        while (next == m_seed)
            next = QRandomGenerator::global()->bounded(1U, 100000000U);
        setSeed(next);
        emit seedChanged();
    });
    connect(cancel, &QPushButton::clicked, this, &SensitivityControls::cancelRequested);
}

SensitivityReport::Settings SensitivityControls::settings() const
{
    SensitivityReport::Settings settings;
    settings.variation = variation->value() / 100.0;
    settings.draws = draws->value();
    settings.seed = m_seed;
    return settings;
}

void SensitivityControls::setSeed(quint64 seed)
{
    m_seed = seed;
    seedLabel->setText(tr("Semilla %1").arg(seed));
}

void SensitivityControls::showProgress(int percent)
{
    progress->setValue(percent);
    progress->show();
    cancel->show();
}

void SensitivityControls::hideProgress()
{
    progress->hide();
    cancel->hide();
}
