#include "rateconverterdialog.h"

#include "cellcommand.h"
#include "projectdocument.h"
#include "projecttree.h"
#include "projectwindow.h"
#include "rateconversion.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTreeWidget>
#include <QUndoStack>
#include <QVBoxLayout>

#include <cmath>
#include <limits>

namespace {

using Period = RateConversion::Period;
using Kind = RateConversion::Kind;

// The row of the alternative's "Interés de Oportunidad".
constexpr int RateRow = 2;

QComboBox *periodBox(QWidget *parent, int current)
{
    auto *box = new QComboBox(parent);
    box->addItems({RateConverterDialog::tr("Anual"), RateConverterDialog::tr("Semestral"),
                   RateConverterDialog::tr("Cuatrimestral"), RateConverterDialog::tr("Trimestral"),
                   RateConverterDialog::tr("Bimestral"), RateConverterDialog::tr("Mensual"),
                   RateConverterDialog::tr("Quincenal"), RateConverterDialog::tr("Diaria (365 días)")});
    box->setCurrentIndex(current);
    return box;
}

QString percent(double rate)
{
    return QLocale::c().toString(rate * 100, 'g', 10) + QStringLiteral(" %");
}

} // namespace

RateConverterDialog::RateConverterDialog(ProjectWindow *project, QWidget *parent)
    : QDialog(parent)
    , project(project)
{
    setWindowTitle(tr("Convertir tasa"));
    auto *form = new QFormLayout;
    rate = new QLineEdit(this);
    rate->setObjectName(QStringLiteral("rate"));
    rate->setPlaceholderText(tr("0.24 o 24 %"));
    kind = new QComboBox(this);
    kind->setObjectName(QStringLiteral("kind"));
    kind->addItems({tr("Efectiva"), tr("Nominal vencida"), tr("Nominal anticipada"), tr("Continua")});
    period = periodBox(this, int(Period::Annual));
    period->setObjectName(QStringLiteral("period"));
    compounding = periodBox(this, int(Period::Monthly));
    compounding->setObjectName(QStringLiteral("compounding"));
    target = periodBox(this, int(Period::Annual));
    target->setObjectName(QStringLiteral("target"));
    inflation = new QLineEdit(this);
    inflation->setObjectName(QStringLiteral("inflation"));
    inflation->setPlaceholderText(tr("ninguna"));
    direction = new QComboBox(this);
    direction->addItems({tr("Tasa real (deflactada)"), tr("Tasa corriente (con inflación)")});
    answer = new QLabel(this);
    answer->setTextInteractionFlags(Qt::TextSelectableByMouse);
    form->addRow(tr("Tasa:"), rate);
    form->addRow(tr("Tipo:"), kind);
    form->addRow(tr("Período de la tasa:"), period);
    form->addRow(tr("Capitaliza:"), compounding);
    form->addRow(tr("Periodicidad del resultado:"), target);
    form->addRow(tr("Inflación por período:"), inflation);
    form->addRow(tr("Resultado:"), direction);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    use = buttons->addButton(tr("Usar en la alternativa"), QDialogButtonBox::ApplyRole);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(use, &QPushButton::clicked, this, [this] {
        if (useInAlternative())
            accept();
    });
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(answer);
    layout->addWidget(buttons);
    for (QLineEdit *edit : {rate, inflation})
        connect(edit, &QLineEdit::textChanged, this, &RateConverterDialog::update);
    for (QComboBox *box : {kind, period, compounding, target, direction})
        connect(box, qOverload<int>(&QComboBox::currentIndexChanged), this, &RateConverterDialog::update);
    update();
}

double RateConverterDialog::readRate(const QString &text)
{
    QString figure = text.trimmed();
    const bool isPercent = figure.endsWith(QLatin1Char('%'));
    if (isPercent)
        figure.chop(1);
    figure = figure.trimmed().replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double value = QLocale::c().toDouble(figure, &ok);
    if (!ok || !std::isfinite(value))
        return std::numeric_limits<double>::quiet_NaN();
    return isPercent ? value / 100 : value;
}

void RateConverterDialog::update()
{
    const auto chosen = Kind(kind->currentIndex());
    const bool nominal = chosen == Kind::NominalDue || chosen == Kind::NominalAdvance;
    compounding->setEnabled(nominal);
    const auto stated = Period(period->currentIndex()), each = Period(compounding->currentIndex());
    const auto wanted = Period(target->currentIndex());
    const double force = RateConversion::annualForce(readRate(rate->text()), chosen, stated, each);
    converted = RateConversion::effective(force, wanted);
    QString note;
    if (!inflation->text().trimmed().isEmpty()) {
        const double f = readRate(inflation->text());
        const bool toReal = direction->currentIndex() == 0;
        converted = !(f > -1) ? std::numeric_limits<double>::quiet_NaN()
                    : toReal  ? RateConversion::real(converted, f)
                              : RateConversion::current(converted, f);
        note = toReal ? tr(" real") : tr(" corriente");
    }
    const double annual = RateConversion::effectiveAnnual(converted, wanted);
    if (!std::isfinite(converted) || !std::isfinite(annual)) {
        converted = std::numeric_limits<double>::quiet_NaN();
        answer->setText(rate->text().trimmed().isEmpty()
                            ? tr("Escriba una tasa: una fracción (0.24) o un porcentaje (24 %).")
                            : tr("La tasa no se puede convertir: revise la tasa y la inflación."));
    } else {
        const QString input = QString::fromStdString(
            RateConversion::abbreviation(chosen, stated, nominal ? each : stated));
        answer->setText(tr("%1 %2 equivale a %3 %4%5, es decir %6 %7%5.")
                            .arg(percent(readRate(rate->text())), input, percent(converted),
                                 QString::fromStdString(RateConversion::abbreviation(Kind::Effective, wanted)),
                                 note, percent(annual), QStringLiteral("EA")));
    }
    use->setEnabled(project && std::isfinite(converted));
}

bool RateConverterDialog::useInAlternative()
{
    if (!project || !std::isfinite(converted))
        return false;
    NodePlace place = project->projectTree()->placeOf(project->tree()->currentItem());
    ProjectDocument *document = project->document();
    place.group = place.flow = place.replacement = place.asset = -1;
    if (!document->contains(place)) {
        answer->setText(tr("Elija en el árbol la alternativa que recibe la tasa."));
        return false;
    }
    const QString before = document->cellText(place, RateRow);
    const QString after = QLocale::c().toString(converted, 'g', 10);
    project->undoStack()->push(new CellCommand(document, place, RateRow, before, after, tr("Convertir tasa")));
    return true;
}
