// The matrix grid's cells: one read as typed, and blocks copied and pasted
// as tab-separated rows.
#include "matrix/TMatrice.h"

#include "app/Plateforme.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QTableWidget>

#include <algorithm>

void TMatrice::MatKeyPress(int ligne, int colonne)
{
    colCour_ = colonne + 1;
    ligCour_ = ligne + 1;
    QTableWidgetItem* cellule = mat_->item(ligne, colonne);
    const auto z = LitCoef(cellule->text().toStdString());
    TComplexe& coefficient = (modele_.EditA ? modele_.MatA : modele_.MatB)(ligCour_, colCour_);
    if (!z) {
        // The cell shows what the matrix still holds.
        LaPlateforme().Bip();
        cellule->setText(QString::fromStdString(FormatCoef(coefficient, modele_.ModeComplexe())));
        return;
    }
    coefficient = *z;
}

void TMatrice::CopieCellules()
{
    const TMat& m = modele_.EditA ? modele_.MatA : modele_.MatB;
    QStringList lignes;
    for (const QTableWidgetSelectionRange& zone : mat_->selectedRanges()) {
        for (int l = zone.topRow(); l <= std::min(zone.bottomRow(), tailleCour_ - 1); ++l) {
            QStringList cellules;
            for (int c = zone.leftColumn(); c <= std::min(zone.rightColumn(), tailleCour_ - 1); ++c)
                cellules << QString::fromStdString(TexteCelluleCopie(m(l + 1, c + 1), modele_.ModeComplexe()));
            lignes << cellules.join('\t');
        }
    }
    QGuiApplication::clipboard()->setText(lignes.join('\n'));
}

void TMatrice::ColleCellules()
{
    if (!modele_.EditA && !modele_.EditB)
        return;
    const int l0 = std::max(mat_->currentRow(), 0), c0 = std::max(mat_->currentColumn(), 0);
    const QStringList lignes = QGuiApplication::clipboard()->text().remove('\r').split('\n', Qt::SkipEmptyParts);
    for (int dl = 0; dl < lignes.size() && l0 + dl < tailleCour_; ++dl) {
        const QStringList cellules = lignes[dl].split('\t');
        for (int dc = 0; dc < cellules.size() && c0 + dc < tailleCour_; ++dc) {
            mat_->item(l0 + dl, c0 + dc)->setText(cellules[dc].trimmed());
            MatKeyPress(l0 + dl, c0 + dc);
        }
    }
}

void TMatrice::CreeActionsCellules()
{
    for (auto [nom, titre, touches, action] :
         {std::tuple{"CopierCellules", "Copier", QKeySequence(QKeySequence::Copy), &TMatrice::CopieCellules},
          std::tuple{"CollerCellules", "Coller", QKeySequence(QKeySequence::Paste), &TMatrice::ColleCellules}}) {
        auto* a = new QAction(titre, mat_);
        a->setObjectName(nom);
        a->setShortcut(touches);
        a->setShortcutContext(Qt::WidgetShortcut);
        mat_->addAction(a);
        connect(a, &QAction::triggered, this, action);
    }
    mat_->setContextMenuPolicy(Qt::ActionsContextMenu);
}
