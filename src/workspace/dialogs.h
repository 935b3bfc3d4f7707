#ifndef DIALOGS_H
#define DIALOGS_H

#include "cashflow.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

class QPrinter;
class QWidget;

// The one place where the windows ask the user something in a dialog.
//
// The windows never open a dialog of their own: they ask Dialogs::instance(),
// whose methods open the real Qt dialogs. Tests install a subclass that
// answers at once, and keep the real dialogs for the few tests that answer
// them as a user does.
class Dialogs
{
    Q_DECLARE_TR_FUNCTIONS(Dialogs)

public:
    virtual ~Dialogs();

    static Dialogs *instance();
    // Installs `dialogs` (not owned) in place of the real ones; null restores them.
    static void setInstance(Dialogs *dialogs);

    // "Añadir Alternativa": the typed title; empty when cancelled.
    virtual QString alternativeTitle(QWidget *parent);
    // "Añadir Flujo": the chosen kind, among those FlowKind offers under
    // "Egresos" (`expense`) or "Ingresos", in *kind;
    // false when cancelled.
    virtual bool flowKind(QWidget *parent, bool expense, CashFlow::Kind *kind);

    // "Abrir…", starting in `folder`: the chosen project files; empty when cancelled.
    virtual QStringList openFileNames(QWidget *parent, const QString &folder);
    // "Guardar como…", starting at `proposed`: the chosen file name, with the
    // extension ".quintavo" when none was typed; empty when cancelled.
    virtual QString saveFileName(QWidget *parent, const QString &proposed);

    // "Exportar informe…", starting at `proposed`: the chosen file, of one
    // of the types in `filter` ("Documento PDF (*.pdf);;…"); without a
    // suffix typed, the one of the type chosen is added. Empty when cancelled.
    virtual QString exportFileName(QWidget *parent, const QString &filter, const QString &proposed);
    // "Exportar flujos a CSV…", starting at `proposed`: the chosen file,
    // ".csv" added when no suffix was typed; empty when cancelled.
    virtual QString csvFileName(QWidget *parent, const QString &proposed);
    // "Exportar a Excel (.xlsx)…", starting at `proposed`: the chosen file,
    // ".xlsx" added when no suffix was typed; empty when cancelled.
    virtual QString workbookFileName(QWidget *parent, const QString &proposed);
    // "Imprimir…": lets the user choose and set up `printer`; false when
    // cancelled, and then nothing is printed.
    virtual bool print(QWidget *parent, QPrinter *printer);

    enum class Answer { Save, Discard, Cancel };
    // "El proyecto «name» tiene cambios sin guardar.": Guardar, Descartar or Cancelar.
    virtual Answer unsavedChanges(QWidget *parent, const QString &name);
    enum class Recovery { Recover, Discard, Later };
    // "Recuperar proyectos" (RecoveryDialog): each row a project's name,
    // file and time; Later when the dialog is closed.
    virtual Recovery recover(QWidget *parent, const QList<QStringList> &copies);
    // Tells the user that something failed, in a whole sentence.
    virtual void error(QWidget *parent, const QString &message);
    // "Acerca de …": `text` (rich text) under the title `title`.
    virtual void about(QWidget *parent, const QString &title, const QString &text);
    // "Acerca de Qt".
    virtual void aboutQt(QWidget *parent);
};

#endif // DIALOGS_H
