#include "guidewindow.h"

#include "dialogs.h"
#include "reportexport.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QPrinter>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

GuideWindow::GuideWindow(QWidget *parent)
    : QDialog(parent)
    , browser(new QTextBrowser(this))
{
    setWindowTitle(tr("Guía de Quintavo"));
    browser->setOpenExternalLinks(true);
    browser->setMarkdown(guide());
    auto *buttons = new QDialogButtonBox(this);
    buttons->addButton(tr("&Cerrar"), QDialogButtonBox::RejectRole);
    QPushButton *printButton = buttons->addButton(tr("&Imprimir…"), QDialogButtonBox::ActionRole);
    connect(printButton, &QPushButton::clicked, this, &GuideWindow::print);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(browser);
    layout->addWidget(buttons);
    resize(720, 640);
}

GuideWindow::~GuideWindow() = default;

QString GuideWindow::guide()
{
    Q_INIT_RESOURCE(quintavo);
    QFile file(QStringLiteral(":/guide/guia.md"));
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

void GuideWindow::print()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(windowTitle());
    printer.setPageLayout(ReportExport::pageLayout(*browser->document()));
    if (!Dialogs::instance()->print(this, &printer))
        return;
    ReportExport::print(*browser->document(), &printer);
    if (printer.printerState() == QPrinter::Error)
        Dialogs::instance()->error(this, tr("No se pudo imprimir la guía."));
}
