#include "matrix/fenetres/DelegueCellule.h"

#include <QKeyEvent>

bool DelegueCellule::eventFilter(QObject* editeur, QEvent* evenement)
{
    if (evenement->type() == QEvent::KeyPress) {
        const int touche = static_cast<QKeyEvent*>(evenement)->key();
        if (touche == Qt::Key_Return || touche == Qt::Key_Enter) {
            auto* champ = static_cast<QWidget*>(editeur);
            emit commitData(champ); // reads the cell, in setModelData
            emit closeEditor(champ, QAbstractItemDelegate::NoHint);
            return true;
        }
    }
    return QStyledItemDelegate::eventFilter(editeur, evenement);
}

void DelegueCellule::setModelData(QWidget* editeur, QAbstractItemModel* modele, const QModelIndex& index) const
{
    QStyledItemDelegate::setModelData(editeur, modele, index);
    if (entree_)
        entree_(index.row(), index.column());
}

QWidget* DelegueCellule::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                      const QModelIndex& index) const
{
    QWidget* editeur = QStyledItemDelegate::createEditor(parent, option, index);
    editeur->setProperty("index", QVariant::fromValue(QPersistentModelIndex(index)));
    editeur->setObjectName("EditeurCellule");
    return editeur;
}
