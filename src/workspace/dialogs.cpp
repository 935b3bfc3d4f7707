#include "dialogs.h"

#include "flowkind.h"
#include "recoverydialog.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QStringList>

namespace {

Dialogs *installed = nullptr;

QString projectFilter()
{
    return Dialogs::tr("Proyectos de Quintavo (*.quintavo);;Todos los archivos (*)");
}

// The suffix of the first pattern of a filter entry: "pdf" for
// "Documento PDF (*.pdf)"; empty when the entry has none.
QString suffixOf(const QString &filterEntry)
{
    static const QRegularExpression pattern(QStringLiteral("\\*\\.(\\w+)"));
    return pattern.match(filterEntry).captured(1);
}

// A save dialog for a file of one of the types of `filter`, adding the
// suffix of the type chosen when none is typed.
QString fileToWrite(QWidget *parent, const QString &title, const QString &filter,
                    const QString &proposed)
{
    QFileDialog dialog(parent, title, QString(), filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(suffixOf(filter.section(QStringLiteral(";;"), 0, 0)));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&dialog](const QString &entry) { dialog.setDefaultSuffix(suffixOf(entry)); });
    dialog.selectFile(proposed);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

} // namespace

Dialogs::~Dialogs() = default;

Dialogs *Dialogs::instance()
{
    static Dialogs real;
    return installed ? installed : &real;
}

void Dialogs::setInstance(Dialogs *dialogs)
{
    installed = dialogs;
}

QString Dialogs::alternativeTitle(QWidget *parent)
{
    return QInputDialog::getText(parent, tr("Añadir Alternativa"), tr("Título Alternativa"),
                                 QLineEdit::Normal, QString());
}

bool Dialogs::flowKind(QWidget *parent, bool expense, CashFlow::Kind *kind)
{
    QStringList kinds;
    QVector<CashFlow::Kind> ids;
    for (const FlowKind *each : FlowKind::all()) {
        if (each->offeredIn(expense)) {
            kinds.append(each->label());
            ids.append(each->id());
        }
    }
    bool ok = false;
    const QString chosen =
        QInputDialog::getItem(parent, tr("Añadir Flujo"), tr("Tipo de Pago:"), kinds, 0, false, &ok);
    const int index = kinds.indexOf(chosen);
    if (!ok || index < 0)
        return false;
    *kind = ids.at(index);
    return true;
}

QStringList Dialogs::openFileNames(QWidget *parent, const QString &folder)
{
    return QFileDialog::getOpenFileNames(parent, tr("Abrir proyecto"), folder, projectFilter());
}

QString Dialogs::saveFileName(QWidget *parent, const QString &proposed)
{
    QFileDialog dialog(parent, tr("Guardar proyecto como"), QString(), projectFilter());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QStringLiteral("quintavo"));
    dialog.selectFile(proposed);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

QString Dialogs::exportFileName(QWidget *parent, const QString &filter, const QString &proposed)
{
    return fileToWrite(parent, tr("Exportar informe"), filter, proposed);
}

QString Dialogs::csvFileName(QWidget *parent, const QString &proposed)
{
    return fileToWrite(parent, tr("Exportar flujos a CSV"),
                       tr("Valores separados por comas (*.csv);;Todos los archivos (*)"), proposed);
}

QString Dialogs::workbookFileName(QWidget *parent, const QString &proposed)
{
    return fileToWrite(parent, tr("Exportar a Excel"),
                       tr("Libro de Excel (*.xlsx);;Todos los archivos (*)"), proposed);
}

bool Dialogs::print(QWidget *parent, QPrinter *printer)
{
    QPrintDialog dialog(printer, parent);
    dialog.setWindowTitle(tr("Imprimir informe"));
    return dialog.exec() == QDialog::Accepted;
}

Dialogs::Answer Dialogs::unsavedChanges(QWidget *parent, const QString &name)
{
    QMessageBox box(QMessageBox::Warning, tr("Cambios sin guardar"),
                    tr("El proyecto «%1» tiene cambios sin guardar.").arg(name),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
    box.button(QMessageBox::Save)->setText(tr("Guardar"));
    box.button(QMessageBox::Discard)->setText(tr("Descartar"));
    box.button(QMessageBox::Cancel)->setText(tr("Cancelar"));
    box.setDefaultButton(QMessageBox::Save);
    switch (box.exec()) {
    case QMessageBox::Save:
        return Answer::Save;
    case QMessageBox::Discard:
        return Answer::Discard;
    default:
        return Answer::Cancel;
    }
}

Dialogs::Recovery Dialogs::recover(QWidget *parent, const QList<QStringList> &copies)
{
    RecoveryDialog dialog(copies, parent);
    switch (dialog.exec()) {
    case RecoveryDialog::Recover:
        return Recovery::Recover;
    case RecoveryDialog::Discard:
        return Recovery::Discard;
    default:
        return Recovery::Later;
    }
}

void Dialogs::error(QWidget *parent, const QString &message)
{
    QMessageBox::warning(parent, tr("Quintavo"), message);
}

void Dialogs::about(QWidget *parent, const QString &title, const QString &text)
{
    QMessageBox::about(parent, title, text);
}

void Dialogs::aboutQt(QWidget *parent)
{
    QMessageBox::aboutQt(parent, tr("Acerca de Qt"));
}
