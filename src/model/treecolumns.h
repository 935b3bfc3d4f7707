#ifndef TREECOLUMNS_H
#define TREECOLUMNS_H

#include <QObject>

class QTimer;
class QTreeWidget;

// Shares a project tree's width between its two columns: the names take
// what the longest needs, up to MostNameShare of the width, so that the
// "Descripción" column always shows; a longer name ends in "…" and its
// node's tooltip gives it whole. Fitted again when the tree is resized or
// its nodes change, once per burst of changes.
class TreeColumns : public QObject
{
    Q_OBJECT

public:
    static constexpr double MostNameShare = 0.55;

    explicit TreeColumns(QTreeWidget *tree);
    ~TreeColumns() override;

    void fit();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QTreeWidget *tree;
    QTimer *later;
    // Compared, never called: the filter also hears of the tree's last events.
    QObject *viewport = nullptr;
};

#endif // TREECOLUMNS_H
