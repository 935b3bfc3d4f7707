#include "aftertaxreading.h"

#include "flowchoices.h"
#include "flowkind.h"

#include <QVariant>

namespace {

using Field = FlowKind::Field;

// The typed figures of a flow by field, read as its rows say.
struct Cells {
    const FlowKind &kind;
    const FlowSnapshot &flow;
    bool expense;

    double value(Field field) const
    {
        for (int row = 0; row < kind.rowCount(); ++row) {
            if (kind.rows().at(row).field == field)
                return FigureReader::read(FlowKind::text(flow, field), kind.reading(row, expense)).value;
        }
        return 0.0;
    }
    int whole(Field field) const { return static_cast<int>(value(field)); }

    // Names the cell of `field` as one the figures cannot use, unless it is
    // named already.
    void blame(Field field, QVector<ProjectFigures::UnreadCell> *unread) const
    {
        if (!unread)
            return;
        for (int row = 0; row < kind.rowCount(); ++row) {
            if (kind.rows().at(row).field != field)
                continue;
            const ProjectFigures::UnreadCell cell{FlowKind::text(flow, field), kind.rowLabel(row),
                                                  flow.name};
            for (const ProjectFigures::UnreadCell &named : *unread) {
                if (named.row == cell.row && named.node == cell.node && named.text == cell.text)
                    return;
            }
            unread->append(cell);
        }
    }
};

DepreciableAsset assetOf(const Cells &cells)
{
    DepreciableAsset asset;
    asset.cost = cells.value(Field::Amount);
    asset.purchase = cells.whole(Field::Start);
    asset.life = cells.whole(Field::Payments);
    asset.residual = cells.value(Field::Change);
    const int method = cells.whole(Field::Method);
    asset.macrsClass = FlowChoices::macrsClass(method);
    asset.factor = method == FlowChoices::DecliningOneAndHalf ? 1.5 : 2.0;
    asset.method = method == FlowChoices::StraightLine      ? DepreciableAsset::StraightLine
        : method == FlowChoices::SumOfDigits                ? DepreciableAsset::SumOfDigits
        : method == FlowChoices::DoubleDeclining
            || method == FlowChoices::DecliningOneAndHalf   ? DepreciableAsset::DecliningBalance
        : method == FlowChoices::NoDepreciation             ? DepreciableAsset::NoDepreciation
                                                            : DepreciableAsset::Macrs;
    asset.sale = cells.whole(Field::Sale);
    asset.saleValue = cells.value(Field::SaleValue);
    return asset;
}

LoanTerms loanOf(const Cells &cells)
{
    LoanTerms loan;
    loan.amount = cells.value(Field::Amount);
    loan.disbursement = cells.whole(Field::Start);
    loan.rate = cells.value(Field::Change);
    loan.payments = cells.whole(Field::Payments);
    loan.grace = cells.whole(Field::Grace);
    loan.system = LoanTerms::System(cells.whole(Field::Method));
    return loan;
}

} // namespace

bool AfterTaxReading::read(const FlowSnapshot &flow, bool expense, AlternativeFigures *alternative,
                           QVector<ProjectFigures::UnreadCell> *unread)
{
    if (flow.kind != CashFlow::Asset && flow.kind != CashFlow::Loan)
        return false;
    const Cells cells{FlowKind::of(flow.kind), flow, expense};
    if (flow.kind == CashFlow::Asset) {
        const DepreciableAsset asset = assetOf(cells);
        switch (DepreciationSchedule::check(asset)) {
        case DepreciableAsset::None:
            alternative->assets.append({flow.name, asset});
            break;
        case DepreciableAsset::Life:
            cells.blame(Field::Payments, unread);
            break;
        case DepreciableAsset::Residual:
            cells.blame(Field::Change, unread);
            break;
        case DepreciableAsset::Sale:
            cells.blame(Field::Sale, unread);
            break;
        case DepreciableAsset::Purchase:
            cells.blame(Field::Start, unread);
            break;
        }
        return true;
    }
    const LoanTerms loan = loanOf(cells);
    const Field blamed[] = {Field::Name, Field::Payments, Field::Grace, Field::Change, Field::Amount,
                            Field::Start};
    const LoanTerms::Fault fault = LoanSchedule::check(loan);
    if (fault == LoanTerms::None)
        alternative->loans.append({flow.name, loan});
    else
        cells.blame(blamed[fault], unread);
    return true;
}
