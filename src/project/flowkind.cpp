#include "flowkind.h"

#include "flowchoices.h"

#include <QVariant>

#include <utility>

namespace {

using Field = FlowKind::Field;
using Reading = FigureReader::Kind;

const FlowKind::Row NameRow = {
    QT_TRANSLATE_NOOP("FlowKind", "Nombre"), Field::Name, Reading::Text, "name",
    QT_TRANSLATE_NOOP("FlowKind", "El nombre del flujo en el árbol y en los informes.")};
const FlowKind::Row PaymentRow = {
    QT_TRANSLATE_NOOP("FlowKind", "Anualidad"), Field::Amount, Reading::Amount, "amount",
    QT_TRANSLATE_NOOP("FlowKind",
                      "El pago de cada período (el primero, si crece); positivo también en un egreso.")};
const FlowKind::Row CountRow = {
    QT_TRANSLATE_NOOP("FlowKind", "Número Períodos"), Field::Payments, Reading::Count, "payments",
    QT_TRANSLATE_NOOP("FlowKind", "Cuántos pagos hay; ∞ para una serie que no termina.")};
const FlowKind::Row StartRow = {
    QT_TRANSLATE_NOOP("FlowKind", "Inicia en"), Field::Start, Reading::WholeNumber, "start",
    QT_TRANSLATE_NOOP("FlowKind",
                      "El período del primer pago: con 1, paga al final del primer período.")};

} // namespace

FlowKind::FlowKind(CashFlow::Kind id, const char *label, const char *fileName, int fileVersion,
                   QVector<Row> rows, Describe describe, int group)
    : m_id(id)
    , m_label(label)
    , m_fileName(fileName)
    , m_fileVersion(fileVersion)
    , m_rows(std::move(rows))
    , m_describe(describe)
    , m_group(group)
{
}

const QVector<const FlowKind *> &FlowKind::all()
{
    static const FlowKind uniform(
        CashFlow::Uniform, QT_TR_NOOP("Pago Anualidad"), "uniform", 1,
        {NameRow, PaymentRow, CountRow, StartRow},
        [](const CashFlow &flow, const Numbers &numbers, const QString &series) {
            return tr("Anualidad %1 %2").arg(numbers.amount(flow.amount), series);
        });
    static const FlowKind arithmetic(
        CashFlow::Arithmetic, QT_TR_NOOP("Pago con incremento Aritmético"), "arithmetic", 1,
        {NameRow, PaymentRow,
         {QT_TRANSLATE_NOOP("FlowKind", "Gradiente Aritmético"), Field::Change, Reading::Amount,
          "gradient", QT_TRANSLATE_NOOP("FlowKind", "Lo que se suma de un pago al siguiente (G).")},
         CountRow, StartRow},
        [](const CashFlow &flow, const Numbers &numbers, const QString &series) {
            return tr("Aritmético %1, G = %2 %3")
                .arg(numbers.amount(flow.amount), numbers.amount(flow.change), series);
        });
    static const FlowKind geometric(
        CashFlow::Geometric, QT_TR_NOOP("Pago con incremento geométrico"), "geometric", 1,
        {NameRow, PaymentRow,
         {QT_TRANSLATE_NOOP("FlowKind", "Gradiente Geométrico"), Field::Change, Reading::Rate,
          "growth",
          QT_TRANSLATE_NOOP("FlowKind", "La fracción en que crece cada pago (g): 0.05 o 5 %.")},
         CountRow, StartRow},
        [](const CashFlow &flow, const Numbers &numbers, const QString &series) {
            return tr("Geométrico %1, g = %2 %3")
                .arg(numbers.amount(flow.amount), numbers.rate(flow.change), series);
        });
    // One amount F paid once, in period s; the project file knows it from version 2.
    static const FlowKind single(
        CashFlow::Single, QT_TR_NOOP("Pago único"), "single", 2,
        {NameRow,
         {QT_TRANSLATE_NOOP("FlowKind", "Monto"), Field::Amount, Reading::Amount, "amount",
          QT_TRANSLATE_NOOP("FlowKind", "La cantidad que se paga una sola vez (F).")},
         {QT_TRANSLATE_NOOP("FlowKind", "Período"), Field::Start, Reading::WholeNumber, "start",
          QT_TRANSLATE_NOOP("FlowKind", "El período en que se paga: 0 es hoy.")}},
        [](const CashFlow &flow, const Numbers &numbers, const QString &) {
            return tr("Único %1 en %2")
                .arg(numbers.amount(flow.amount), numbers.wholeNumber(flow.start));
        });
    // Bought in one period, depreciated, sold in another; known from version 3.
    static const FlowKind asset(
        CashFlow::Asset, QT_TR_NOOP("Activo depreciable"), "asset", 3,
        {NameRow,
         {QT_TRANSLATE_NOOP("FlowKind", "Costo"), Field::Amount, Reading::Amount, "cost",
          QT_TRANSLATE_NOOP("FlowKind",
                            "Lo que se paga por el activo en su período de compra; no es deducible.")},
         {QT_TRANSLATE_NOOP("FlowKind", "Período de compra"), Field::Start, Reading::WholeNumber,
          "purchase",
          QT_TRANSLATE_NOOP("FlowKind",
                            "El período en que se paga el activo; se deprecia desde el siguiente.")},
         {QT_TRANSLATE_NOOP("FlowKind", "Vida fiscal"), Field::Payments, Reading::Lifetime, "life",
          QT_TRANSLATE_NOOP("FlowKind",
                            "Los años en que se deprecia, de 1 a 1 000.")},
         {QT_TRANSLATE_NOOP("FlowKind", "Valor residual"), Field::Change, Reading::Amount,
          "residual",
          QT_TRANSLATE_NOOP("FlowKind",
                            "El valor que la depreciación deja al final de la vida fiscal.")},
         {QT_TRANSLATE_NOOP("FlowKind", "Método"), Field::Method, Reading::Method, "method",
          QT_TRANSLATE_NOOP("FlowKind",
                            "Cómo se deprecia: línea recta, suma de dígitos, saldo decreciente, MACRS o sin depreciación.")},
         {QT_TRANSLATE_NOOP("FlowKind", "Período de venta"), Field::Sale, Reading::WholeNumber,
          "sale",
          QT_TRANSLATE_NOOP("FlowKind",
                            "El período en que se vende; la ganancia sobre el valor en libros paga impuesto.")},
         {QT_TRANSLATE_NOOP("FlowKind", "Valor de venta"), Field::SaleValue, Reading::Amount,
          "saleValue",
          QT_TRANSLATE_NOOP("FlowKind",
                            "Lo que se recibe al venderlo.")}},
        [](const CashFlow &flow, const Numbers &numbers, const QString &) {
            return tr("Activo %1 en %2")
                .arg(numbers.amount(flow.amount), numbers.wholeNumber(flow.start));
        },
        1);
    // Received in one period, repaid in cuotas; known from version 3.
    static const FlowKind loan(
        CashFlow::Loan, QT_TR_NOOP("Préstamo"), "loan", 3,
        {NameRow,
         {QT_TRANSLATE_NOOP("FlowKind", "Monto"), Field::Amount, Reading::Amount, "amount",
          QT_TRANSLATE_NOOP("FlowKind",
                            "Lo que presta el banco; entra en el período de desembolso.")},
         {QT_TRANSLATE_NOOP("FlowKind", "Período de desembolso"), Field::Start,
          Reading::WholeNumber, "disbursement",
          QT_TRANSLATE_NOOP("FlowKind",
                            "El período en que se recibe el préstamo; la primera cuota es al siguiente.")},
         {QT_TRANSLATE_NOOP("FlowKind", "Tasa"), Field::Change, Reading::Rate, "rate",
          QT_TRANSLATE_NOOP("FlowKind",
                            "El interés del préstamo por período, fracción o porcentaje.")},
         {QT_TRANSLATE_NOOP("FlowKind", "Número de cuotas"), Field::Payments, Reading::Lifetime,
          "payments", QT_TRANSLATE_NOOP("FlowKind",
                            "Cuántas cuotas lo pagan, de 1 a 1 000, períodos de gracia incluidos.")},
         {QT_TRANSLATE_NOOP("FlowKind", "Períodos de gracia"), Field::Grace, Reading::WholeNumber,
          "grace",
          QT_TRANSLATE_NOOP("FlowKind",
                            "Períodos iniciales en que sólo se pagan intereses.")},
         {QT_TRANSLATE_NOOP("FlowKind", "Sistema"), Field::Method, Reading::System, "system",
          QT_TRANSLATE_NOOP("FlowKind",
                            "Cuota fija, abono constante a capital o pago al final.")}},
        [](const CashFlow &flow, const Numbers &numbers, const QString &) {
            return tr("Préstamo %1 en %2, %3 cuotas al %4")
                .arg(numbers.amount(flow.amount), numbers.wholeNumber(flow.start),
                     numbers.wholeNumber(flow.payments), numbers.rate(flow.change));
        },
        0);
    static const QVector<const FlowKind *> kinds = {&uniform, &arithmetic, &geometric,
                                                    &single,  &asset,      &loan};
    return kinds;
}

const FlowKind &FlowKind::of(CashFlow::Kind kind)
{
    for (const FlowKind *each : all()) {
        if (each->m_id == kind)
            return *each;
    }
    return *all().constFirst();
}

const FlowKind *FlowKind::fromFileName(const QString &name)
{
    for (const FlowKind *each : all()) {
        if (name == QLatin1String(each->m_fileName))
            return each;
    }
    return nullptr;
}

FlowSnapshot FlowKind::blank(const QString &name) const
{
    FlowSnapshot flow;
    flow.kind = m_id;
    flow.name = name;
    if (m_id == CashFlow::Asset)
        flow.method = FlowChoices::methods().constFirst();
    if (m_id == CashFlow::Loan) {
        flow.method = FlowChoices::systems().constFirst();
        flow.grace = QStringLiteral("0");
    }
    return flow;
}

QString FlowKind::label() const
{
    return tr(m_label);
}

QString FlowKind::rowLabel(int row) const
{
    return row >= 0 && row < m_rows.size() ? tr(m_rows.at(row).label) : QString();
}

QString FlowKind::rowHelp(int row) const
{
    const char *help = row >= 0 && row < m_rows.size() ? m_rows.at(row).help : nullptr;
    return help ? tr(help) : QString();
}

FigureReader::Kind FlowKind::reading(int row, bool expense) const
{
    if (row < 0 || row >= m_rows.size())
        return Reading::Text;
    const Row &cell = m_rows.at(row);
    // A negative expense adds to the income: its payment is flagged.
    if (expense && cell.field == Field::Amount && cell.reading == Reading::Amount)
        return Reading::ExpenseAmount;
    return cell.reading;
}

QVector<FigureReader::Kind> FlowKind::readings(bool expense) const
{
    QVector<FigureReader::Kind> kinds;
    for (int row = 0; row < m_rows.size(); ++row)
        kinds.append(reading(row, expense));
    return kinds;
}

QString FlowKind::text(const FlowSnapshot &flow, Field field)
{
    switch (field) {
    case Field::Name:
        return flow.name;
    case Field::Amount:
        return flow.amount;
    case Field::Change:
        return flow.change;
    case Field::Payments:
        return flow.payments;
    case Field::Start:
        return flow.start;
    case Field::Method:
        return flow.method;
    case Field::Grace:
        return flow.grace;
    case Field::Sale:
        return flow.sale;
    case Field::SaleValue:
        return flow.saleValue;
    }
    return QString();
}

void FlowKind::setText(FlowSnapshot *flow, Field field, const QString &text)
{
    QString *cells[] = {&flow->name,   &flow->amount, &flow->change, &flow->payments,
                        &flow->start,  &flow->method, &flow->grace,  &flow->sale,
                        &flow->saleValue};
    *cells[static_cast<int>(field)] = text;
}

QString FlowKind::cellText(const FlowSnapshot &flow, int row) const
{
    return row >= 0 && row < m_rows.size() ? text(flow, m_rows.at(row).field) : QString();
}

CashFlow FlowKind::figures(const FlowSnapshot &flow, bool expense, QVector<Unread> *unread) const
{
    CashFlow figures;
    figures.kind = m_id;
    if (m_id == CashFlow::Single)
        figures.payments = 1;
    for (int row = 0; row < m_rows.size(); ++row) {
        const Field field = m_rows.at(row).field;
        if (field == Field::Name)
            continue;
        const QString typed = text(flow, field);
        const FigureReader::Kind kind = reading(row, expense);
        const FigureReader::Reading read = FigureReader::read(typed, kind);
        if (unread && (FigureReader::isUnread(read) || FigureReader::isEmptyFigure(typed, kind)))
            unread->append({row, typed});
        switch (field) {
        case Field::Name:
            break;
        case Field::Amount:
            figures.amount = read.value;
            break;
        case Field::Change:
            figures.change = read.value;
            break;
        case Field::Payments:
            // Whole-number rows read within the int range.
            figures.payments = static_cast<int>(read.value);
            figures.perpetual = read.perpetual;
            break;
        case Field::Start:
            figures.start = static_cast<int>(read.value);
            break;
        case Field::Method:
        case Field::Grace:
        case Field::Sale:
        case Field::SaleValue:
            // An asset's or a loan's own figures: AfterTaxReading reads them.
            break;
        }
    }
    return figures;
}

bool FlowKind::holdsUnread(const FlowSnapshot &flow, bool expense) const
{
    for (int row = 0; row < m_rows.size(); ++row) {
        if (FigureReader::isUnread(FigureReader::read(cellText(flow, row), reading(row, expense))))
            return true;
    }
    return false;
}

QString FlowKind::description(const CashFlow &flow, const Numbers &numbers) const
{
    const QString count =
        flow.perpetual ? QStringLiteral("\u221E") : numbers.wholeNumber(flow.payments);
    const QString series = tr("× %1 desde %2").arg(count, numbers.wholeNumber(flow.start));
    return m_describe(flow, numbers, series);
}

double FlowKind::worth(const CashFlow &flow, double i)
{
    return flowWorth(flow, i);
}
