#include "driver.h"

#include "flowitem.h"
#include "projectitem.h"
#include "projectwindow.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QTextTable>
#include <QTimer>
#include <QTreeWidget>

void Driver::fill(QTableWidget *table, const QStringList &cells)
{
    for (int row = 0; row < cells.size(); ++row) {
        if (!cells.at(row).isNull())
            table->setItem(row, 0, new QTableWidgetItem(cells.at(row)));
    }
}

void Driver::type(QTableWidget *table, int row, const QString &text)
{
    table->setCurrentIndex(table->model()->index(row, 0));
    table->edit(table->currentIndex());
    auto *editor = table->viewport()->findChild<QLineEdit *>();
    QVERIFY(editor);
    editor->selectAll();
    text.isEmpty() ? QTest::keyClick(editor, Qt::Key_Delete) : editor->insert(text);
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::sendPostedEvents(); // the delegate commits from a queued call
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

FlowItem *Driver::addFlow(ProjectWindow *w, QTreeWidgetItem *alternative, const QString &flow)
{
    const QStringList cells = flow.split(QLatin1Char('|'));
    FlowItem *item = w->addFlow(alternative->child(cells.at(0).at(0) == QLatin1Char('I') ? 0 : 1),
                                QStringLiteral("UAG").indexOf(cells.at(0).at(1)));
    fill(item->propertyTable(), cells.mid(1));
    return item;
}

QList<Rows> Driver::reportTables(const QTextEdit *report)
{
    QList<Rows> tables;
    for (QTextFrame *frame : report->document()->rootFrame()->childFrames()) {
        const auto *table = qobject_cast<QTextTable *>(frame);
        tables << Rows();
        for (int r = 0; table && r < table->rows(); ++r) {
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

void Driver::whenShown(const std::function<QWidget *()> &find, const std::function<void(QWidget *)> &act, int tries)
{
    QTimer::singleShot(2, [=]() {
        if (QWidget *widget = find())
            act(widget);
        else if (tries > 0)
            whenShown(find, act, tries - 1);
    });
}

void Driver::chooseFromMenu(ProjectWindow *w, QTreeWidgetItem *node, const QString &entry)
{
    whenShown(QApplication::activePopupWidget, [entry](QWidget *menu) {
        for (QAction *action : menu->actions()) {
            if (action->text() == entry)
                static_cast<QMenu *>(menu)->setActiveAction(action);
        }
        QTest::keyClick(menu, Qt::Key_Return);
    });
    const QPoint pos = w->tree()->visualItemRect(node).center();
    QContextMenuEvent event(QContextMenuEvent::Mouse, pos, w->tree()->viewport()->mapToGlobal(pos));
    QApplication::sendEvent(w->tree()->viewport(), &event);
}

ProjectItem *WindowTest::first() const
{
    return static_cast<ProjectItem *>(w->tree()->topLevelItem(0));
}

void WindowTest::init()
{
    w = new ProjectWindow;
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
}

void WindowTest::cleanup()
{
    delete w;
}
