#include "recoverydialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

RecoveryDialog::RecoveryDialog(const QList<QStringList> &copies, QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Recuperar proyectos"));
    auto *layout = new QVBoxLayout(this);
    auto *text = new QLabel(tr("Quintavo no se cerró normalmente. Estos proyectos tenían cambios "
                               "sin guardar; sus copias de recuperación pueden abrirse ahora. Los "
                               "archivos no cambian hasta que se guarde."),
                            this);
    text->setWordWrap(true);
    layout->addWidget(text);

    auto *list = new QTreeWidget(this);
    list->setObjectName(QStringLiteral("copies"));
    list->setRootIsDecorated(false);
    list->setHeaderLabels({tr("Proyecto"), tr("Archivo"), tr("Fecha de la copia")});
    list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    for (const QStringList &copy : copies)
        list->addTopLevelItem(new QTreeWidgetItem(copy));
    layout->addWidget(list);

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *recover = buttons->addButton(tr("Recuperar"), QDialogButtonBox::AcceptRole);
    QPushButton *discard = buttons->addButton(tr("Descartar"), QDialogButtonBox::DestructiveRole);
    recover->setDefault(true);
    connect(recover, &QPushButton::clicked, this, [this]() { done(Recover); });
    connect(discard, &QPushButton::clicked, this, [this]() { done(Discard); });
    layout->addWidget(buttons);
    resize(560, 280);
}

RecoveryDialog::~RecoveryDialog() = default;
