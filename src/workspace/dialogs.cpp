#include "dialogs.h"

#include <QCoreApplication>
#include <QInputDialog>
#include <QStringList>

namespace {

Dialogs *installed = nullptr;

QString tr(const char *text)
{
    return QCoreApplication::translate("ProjectWindow", text);
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

bool Dialogs::flowKind(QWidget *parent, int *kind)
{
    const QStringList kinds = {tr("Pago Anualidad"), tr("Pago con incremento Aritmético"),
                               tr("Pago con incremento geométrico")};
    bool ok = false;
    const QString chosen =
        QInputDialog::getItem(parent, tr("Añadir Flujo"), tr("Tipo de Pago:"), kinds, 0, false, &ok);
    const int index = kinds.indexOf(chosen);
    if (!ok || index < 0)
        return false;
    *kind = index;
    return true;
}
