#include "listfilldialog.h"

#include "figurereader.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QSpinBox>
#include <QStringList>
#include <QVariant>

#include <cmath>

ListFillDialog::ListFillDialog(QWidget *parent)
    : QDialog(parent)
    , first(new QLineEdit(this))
    , kind(new QComboBox(this))
    , change(new QLineEdit(this))
    , years(new QSpinBox(this))
{
    setWindowTitle(tr("Llenar lista"));
    first->setObjectName(QStringLiteral("first"));
    change->setObjectName(QStringLiteral("change"));
    kind->setObjectName(QStringLiteral("kind"));
    years->setObjectName(QStringLiteral("years"));
    kind->addItems({tr("Aritmético: se suma cada año"), tr("Geométrico: crece cada año en")});
    years->setRange(1, 1000);
    years->setValue(5);
    auto *form = new QFormLayout(this);
    form->addRow(tr("Primer valor"), first);
    form->addRow(tr("Cambio por año"), kind);
    form->addRow(QString(), change);
    form->addRow(tr("Años"), years);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    const auto check = [this, buttons]() {
        buttons->button(QDialogButtonBox::Ok)->setEnabled(!list().isEmpty());
    };
    connect(first, &QLineEdit::textChanged, this, check);
    connect(change, &QLineEdit::textChanged, this, check);
    connect(kind, &QComboBox::currentIndexChanged, this, check);
    check();
}

QString ListFillDialog::list() const
{
    const bool geometric = kind->currentIndex() == 1;
    const FigureReader::Reading start = FigureReader::read(first->text(), FigureReader::Kind::Amount);
    const FigureReader::Reading step = FigureReader::read(
        change->text().trimmed().isEmpty() ? QStringLiteral("0") : change->text(),
        geometric ? FigureReader::Kind::Rate : FigureReader::Kind::Amount);
    if (!start.converted || !step.converted)
        return QString();
    return list(start.value, step.value, geometric, years->value());
}

QString ListFillDialog::list(double first, double change, bool geometric, int years)
{
    QStringList items;
    double value = first;
    for (int k = 0; k < years; ++k) {
        const double cents = std::round(value * 100) / 100;
        if (!std::isfinite(cents))
            return QString();
        items << QLocale::c().toString(cents == 0 ? 0.0 : cents, 'g', 15);
        value = geometric ? first * std::pow(1 + change, k + 1) : first + change * (k + 1);
    }
    return items.join(QStringLiteral("; "));
}
