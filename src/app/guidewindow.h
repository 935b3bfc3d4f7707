#ifndef GUIDEWINDOW_H
#define GUIDEWINDOW_H

#include <QDialog>

class QTextBrowser;

// "Ayuda" → "Guía de Quintavo": the guide for a new user (docs/guia.md,
// built into the program) in a window of its own that stays open beside the
// projects, with a button that prints it.
class GuideWindow : public QDialog
{
    Q_OBJECT

public:
    explicit GuideWindow(QWidget *parent = nullptr);
    ~GuideWindow() override;

    QTextBrowser *text() const { return browser; }
    // The guide's text, as Markdown.
    static QString guide();

private:
    void print();

    QTextBrowser *browser;
};

#endif // GUIDEWINDOW_H
