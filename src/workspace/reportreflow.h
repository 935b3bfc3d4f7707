#ifndef REPORTREFLOW_H
#define REPORTREFLOW_H

#include <QObject>

class QTextEdit;
class QTimer;
class ReportPane;

// Keeps the report shown as wide as its area: when the area is resized the
// report is built again, its pictures drawn to the new width, once the
// resizing has stopped for SettleMs (ReportPane::followWidth).
class ReportReflow : public QObject
{
    Q_OBJECT

public:
    static constexpr int SettleMs = 250;

    ReportReflow(QTextEdit *view, ReportPane *pane);
    ~ReportReflow() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Compared, never called: the filter also hears of the area's last events.
    QObject *viewport;
    QTimer *settled;
};

#endif // REPORTREFLOW_H
