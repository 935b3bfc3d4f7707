#include "driver.h"
#include "projectfile.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTextTable>
#include <QTimer>

void fill(ProjectWindow *w, QTreeWidgetItem *node, const QStringList &cells)
{
    const NodePlace place = w->projectTree()->placeOf(node);
    for (int row = 0; row < cells.size(); ++row) {
        if (!cells.at(row).isNull())
            w->document()->setCellText(place, row, cells.at(row));
    }
}

QTableWidget *showNode(ProjectWindow *w, QTreeWidgetItem *node)
{
    w->tree()->setCurrentItem(node);
    return w->panelTable();
}

QTreeWidgetItem *addFlow(ProjectWindow *w, QTreeWidgetItem *group, int kind)
{
    return w->commands()->addFlow(group, FlowKind::all().at(kind)->id());
}

QTreeWidgetItem *addAlternative(ProjectWindow *w, const QString &title)
{
    return w->commands()->addAlternative(title);
}

void type(QTableWidget *table, int row, const QString &text)
{
    table->setCurrentIndex(table->model()->index(row, 0));
    table->edit(table->currentIndex());
    if (auto *choices = table->viewport()->findChild<QComboBox *>()) {
        // A list: the choice named, or one picked by the text.
        const int index = choices->findText(text);
        choices->setCurrentIndex(index >= 0 ? index : int(qHash(text) % uint(choices->count())));
        emit choices->activated(choices->currentIndex());
        QCoreApplication::sendPostedEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return;
    }
    auto *editor = table->viewport()->findChild<QLineEdit *>();
    QVERIFY(editor);
    editor->selectAll();
    text.isEmpty() ? QTest::keyClick(editor, Qt::Key_Delete) : editor->insert(text);
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::sendPostedEvents(); // the delegate commits from a queued call
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QTreeWidgetItem *addFlow(ProjectWindow *w, QTreeWidgetItem *alternative, const QString &flow)
{
    const QStringList cells = flow.split(QLatin1Char('|'));
    QTreeWidgetItem *item = addFlow(w, alternative->child(cells.at(0).at(0) == QLatin1Char('I') ? 0 : 1),
                                    QStringLiteral("UAGSDP").indexOf(cells.at(0).at(1)));
    fill(w, item, cells.mid(1));
    return item;
}

QList<Rows> reportTables(const QTextEdit *report)
{
    QList<Rows> tables;
    for (QTextFrame *frame : report->document()->rootFrame()->childFrames()) {
        const auto *table = qobject_cast<QTextTable *>(frame);
        if (!table)
            continue;
        tables << Rows();
        for (int r = 0; r < table->rows(); ++r) {
            tables.last() << QStringList();
            for (int c = 0; c < table->columns(); c += table->cellAt(r, c).columnSpan()) {
                QTextCursor text = table->cellAt(r, c).firstCursorPosition();
                text.setPosition(table->cellAt(r, c).lastCursorPosition().position(), QTextCursor::KeepAnchor);
                tables.last().last() << text.selectedText();
            }
        }
    }
    return tables;
}

QStringList stateOf(ProjectWindow *w)
{
    return {QString::fromUtf8(ProjectFile::toJson(w->snapshot())), w->cashFlowDocument().html,
            w->comparisonDocument().html};
}

void whenShown(const std::function<QWidget *()> &find, const std::function<void(QWidget *)> &act,
               int tries)
{
    QTimer::singleShot(2, [=]() {
        if (QWidget *widget = find())
            act(widget);
        else if (tries > 0)
            whenShown(find, act, tries - 1);
    });
}

void WindowTest::init()
{
    w = new ProjectWindow;
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
}
