#include "figuredelegate.h"

#include "flowchoices.h"
#include "reportformat.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QPersistentModelIndex>
#include <QToolTip>

#include <cmath>

namespace {

QString number(double value)
{
    return QString::number(value, 'g', 15);
}

} // namespace

FigureDelegate::FigureDelegate(const QVector<FigureReader::Kind> &rowKinds, QObject *parent)
    : QStyledItemDelegate(parent)
    , kinds(rowKinds)
{
}

FigureDelegate::~FigureDelegate() = default;

void FigureDelegate::setRowKinds(const QVector<FigureReader::Kind> &rowKinds)
{
    kinds = rowKinds;
}

FigureReader::Kind FigureDelegate::rowKind(int row) const
{
    return kinds.value(row, FigureReader::Kind::Text);
}

QString FigureDelegate::explanation(const QString &typed, FigureReader::Kind kind,
                                    const FigureReader::Reading &reading)
{
    using Problem = FigureReader::Problem;
    switch (reading.problem) {
    case Problem::None:
        break;
    case Problem::DecimalComma:
        return tr("Se lee como 0: use punto decimal, %1").arg(ReportFormat::shortened(reading.suggestion));
    case Problem::GroupSeparator:
        return tr("Se lee como 0: escriba sin separador de miles, %1")
            .arg(ReportFormat::shortened(reading.suggestion));
    case Problem::PercentSign:
        return tr("Se lee como 0: escriba la fracción sin %, %1")
            .arg(ReportFormat::shortened(reading.suggestion));
    case Problem::NotWhole:
        return tr("Se lee como 0: escriba un número entero, sin decimales");
    case Problem::OutOfRange:
        return kind == FigureReader::Kind::WholeNumber || kind == FigureReader::Kind::Count
            ? tr("Se lee como 0: el número entero es demasiado grande")
            : tr("Se lee como 0: el número está fuera del rango que se puede calcular");
    case Problem::NotANumber:
        return tr("Se lee como 0: no es un número");
    case Problem::NegativeCount:
        return tr("Se lee como 0: un número de períodos no puede ser negativo");
    case Problem::OutsideBounds:
        return kind == FigureReader::Kind::TaxRate
            ? tr("Se lee como 0: la tasa de impuestos va de 0 a 1 (0 a 100 %)")
            : tr("Se lee como 0: escriba un número entero de 1 a %1").arg(FigureReader::MaxLifetime);
    case Problem::NotAChoice:
        return tr("No está en la lista: se usa «%1»")
            .arg(kind == FigureReader::Kind::Method ? FlowChoices::methods().constFirst()
                                                    : FlowChoices::systems().constFirst());
    case Problem::NegativeExpense:
        return tr("Un egreso negativo cuenta como ingreso");
    case Problem::ListItem:
        return tr("El valor %1 de la lista no es un número: %2")
            .arg(reading.item).arg(ReportFormat::shortened(reading.suggestion));
    case Problem::NegativeValue:
        return tr("El valor %1 de la lista es negativo: un valor de mercado no baja de 0")
            .arg(reading.item);
    case Problem::RateAsPercentage: {
        const double percent = reading.value * 100.0;
        const QString asPercent = std::isfinite(percent)
            ? number(percent)
            : number(reading.value) + QStringLiteral(" × 100");
        return tr("%1 se usa como %2 % por período; para %1 % escriba %3")
            .arg(ReportFormat::shortened(typed.trimmed()), asPercent, number(reading.value / 100.0));
    }
    }
    return QString();
}

FigureReader::Reading FigureDelegate::readingAt(const QModelIndex &index) const
{
    return FigureReader::read(index.data(Qt::DisplayRole), rowKind(index.row()));
}

QString FigureDelegate::placeholder(const QModelIndex &index) const
{
    const bool empty = FigureReader::isEmptyFigure(index.data(Qt::DisplayRole).toString(),
                                                   rowKind(index.row()));
    return empty ? tr("0 (vacío)") : QString();
}

void FigureDelegate::initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    const QString shown = placeholder(index);
    if (!shown.isEmpty()) {
        option->text = shown;
        option->features |= QStyleOptionViewItem::HasDisplay;
        const QColor grey = option->palette.color(QPalette::PlaceholderText);
        for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
            option->palette.setColor(group, QPalette::Text, grey);
        return;
    }
    const FigureReader::Reading reading = readingAt(index);
    if (reading.problem == FigureReader::Problem::None)
        return;
    option->backgroundBrush = QColor(reading.converted ? DoubtfulTint : UnreadableTint);
    const QColor highlight(reading.converted ? DoubtfulHighlight : UnreadableHighlight);
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        option->palette.setColor(group, QPalette::Highlight, highlight);
        option->palette.setColor(group, QPalette::HighlightedText, Qt::white);
    }
}

QWidget *FigureDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                                      const QModelIndex &index) const
{
    const FigureReader::Kind kind = rowKind(index.row());
    if (kind != FigureReader::Kind::Method && kind != FigureReader::Kind::System)
        return QStyledItemDelegate::createEditor(parent, option, index);
    auto *choices = new QComboBox(parent);
    choices->addItems(kind == FigureReader::Kind::Method ? FlowChoices::methods()
                                                         : FlowChoices::systems());
    // A choice picked from the list is committed at once, as a typed cell on Enter.
    connect(choices, &QComboBox::activated, this, [this, choices]() {
        emit const_cast<FigureDelegate *>(this)->commitData(choices);
        emit const_cast<FigureDelegate *>(this)->closeEditor(choices);
    });
    return choices;
}

bool FigureDelegate::helpEvent(QHelpEvent *event, QAbstractItemView *view,
                               const QStyleOptionViewItem &option, const QModelIndex &index)
{
    if (event && view && index.isValid() && event->type() == QEvent::ToolTip) {
        const QVariant display = index.data(Qt::DisplayRole);
        const FigureReader::Kind kind = rowKind(index.row());
        const QString flag =
            explanation(display.toString(), kind, FigureReader::read(display, kind));
        if (!flag.isEmpty()) {
            QToolTip::showText(event->globalPos(), flag, view->viewport(), view->visualRect(index));
            event->accept();
            return true;
        }
    }
    return QStyledItemDelegate::helpEvent(event, view, option, index);
}

void FigureDelegate::setModelData(QWidget *editor, QAbstractItemModel *model,
                                  const QModelIndex &index) const
{
    const QString before = index.data(Qt::DisplayRole).toString();
    QStyledItemDelegate::setModelData(editor, model, index);
    const QString after = index.data(Qt::DisplayRole).toString();
    if (after != before)
        emit const_cast<FigureDelegate *>(this)->committed(index.row(), before, after);
}

bool FigureDelegate::eventFilter(QObject *object, QEvent *event)
{
    const auto *key = event->type() == QEvent::KeyPress ? static_cast<QKeyEvent *>(event) : nullptr;
    auto *editor = qobject_cast<QWidget *>(object);
    // The editor sits on the view's viewport.
    QWidget *viewport = editor ? editor->parentWidget() : nullptr;
    auto *view = viewport ? qobject_cast<QAbstractItemView *>(viewport->parentWidget()) : nullptr;
    if (!view || !key || (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter))
        return QStyledItemDelegate::eventFilter(object, event);
    const QModelIndex edited = view->currentIndex();
    const QPersistentModelIndex below = edited.sibling(edited.row() + 1, edited.column());
    // The base class commits from a queued call; the move comes after it.
    const bool handled = QStyledItemDelegate::eventFilter(object, event);
    if (below.isValid()) {
        QMetaObject::invokeMethod(
            view,
            [view, below]() {
                if (below.isValid())
                    view->setCurrentIndex(below);
            },
            Qt::QueuedConnection);
    }
    return handled;
}
