#pragma once
// The editor of a matrix cell: it reports Enter, after the text has reached
// the cell, and every other way of leaving it commits the text too.
#include <QStyledItemDelegate>

#include <functional>

class DelegueCellule : public QStyledItemDelegate {
public:
    DelegueCellule(QObject* parent, std::function<void(int, int)> entree)
        : QStyledItemDelegate(parent), entree_(std::move(entree)) {}

    // The window is going: an editor still open commits to nobody.
    void Oublie() { entree_ = nullptr; }

protected:
    bool eventFilter(QObject* editeur, QEvent* evenement) override;
    // Every way of leaving the editor commits its text (Enter, Tab, a click
    // elsewhere): the cell is read then, so that what the grid shows is what
    // the commands use.
    void setModelData(QWidget* editeur, QAbstractItemModel* modele, const QModelIndex& index) const override;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;

private:
    std::function<void(int, int)> entree_;
};
