#ifndef FIGUREDELEGATE_H
#define FIGUREDELEGATE_H

#include "figurereader.h"

#include <QRgb>
#include <QStyledItemDelegate>
#include <QVector>

// Shows in a property table which figures are not used as they look.
//
// A cell whose text reads as 0 although it is not empty is tinted light red;
// a rate that reads but is more than 100 % per period is tinted amber. The
// tooltip of a tinted cell says how the text is used and what to type
// instead. An empty figure cell is not an error: it shows, greyed, the
// value it counts as ("0 (vacío)"). The delegate only looks: it decides from the cell's display data
// through FigureReader::read(), the same reading the reports use; its flags
// are never written into the items.
//
// It also edits the cells as in a spreadsheet: Enter commits the cell and
// moves to the row below. Each commit that changes a cell's text is
// announced with the text before and after, so that it can be undone.
class FigureDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    static constexpr QRgb UnreadableTint = 0xFFFFC8C8;
    static constexpr QRgb DoubtfulTint = 0xFFFFE0A0;
    // A selected cell stays marked: its highlight takes a deep shade instead.
    static constexpr QRgb UnreadableHighlight = 0xFFC03C3C;
    static constexpr QRgb DoubtfulHighlight = 0xFFB07800;

    // `rowKinds` says what each row of the table holds; rows beyond it hold text.
    explicit FigureDelegate(const QVector<FigureReader::Kind> &rowKinds, QObject *parent = nullptr);
    ~FigureDelegate() override;

    void setRowKinds(const QVector<FigureReader::Kind> &rowKinds);
    FigureReader::Kind rowKind(int row) const;

    // What the flag of a cell of `kind` holding `typed` says; empty when the
    // reading has no problem.
    static QString explanation(const QString &typed, FigureReader::Kind kind,
                               const FigureReader::Reading &reading);

    // What an empty figure cell shows in place of a text; empty for any
    // other cell.
    QString placeholder(const QModelIndex &index) const;

    // A "Método" or "Sistema" cell is chosen from its list.
    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    bool helpEvent(QHelpEvent *event, QAbstractItemView *view, const QStyleOptionViewItem &option,
                   const QModelIndex &index) override;
    void setModelData(QWidget *editor, QAbstractItemModel *model,
                      const QModelIndex &index) const override;

signals:
    // An editor changed the text of cell (row, 0) from `before` to `after`.
    void committed(int row, const QString &before, const QString &after);

protected:
    bool eventFilter(QObject *object, QEvent *event) override;
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override;

private:
    FigureReader::Reading readingAt(const QModelIndex &index) const;

    QVector<FigureReader::Kind> kinds;
};

#endif // FIGUREDELEGATE_H
