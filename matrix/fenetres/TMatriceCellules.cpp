// The matrix grid's cells: one read as typed, shown in the grid's form,
// blocks copied and pasted as tab-separated rows; the results copied as
// they are stored.
#include "matrix/fenetres/TMatrice.h"

#include "app/fenetres/Plateforme.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QTableWidget>

#include <algorithm>

void TMatrice::MatKeyPress(int ligne, int colonne)
{
    colCour_ = colonne + 1;
    ligCour_ = ligne + 1;
    QTableWidgetItem* cellule = mat_->item(ligne, colonne);
    const auto z = LitCoef(cellule->text().toStdString());
    TComplexe& coefficient = (modele_.EditA ? modele_.MatA : modele_.MatB)(ligCour_, colCour_);
    // A refused text beeps; either way the cell shows what the matrix holds.
    if (!z)
        LaPlateforme().Bip();
    else
        coefficient = *z;
    MontreCellule(mat_, ligne, colonne, coefficient, modele_.ModeComplexe());
}

void TMatrice::MontreCellule(QTableWidget* grille, int ligne, int colonne, TComplexe z, bool complexe)
{
    QTableWidgetItem* cellule = grille->item(ligne, colonne);
    const QFontMetrics mesure(grille->font());
    const int place = grille->columnWidth(colonne) - 6; // the cell's margins
    QString texte = QString::fromStdString(FormatCoef(z, complexe));
    if (mesure.horizontalAdvance(texte) > place)
        texte = QString::fromStdString(FormatCoef(z, complexe, true));
    cellule->setText(texte);
    cellule->setToolTip(mesure.horizontalAdvance(texte) > place
                            ? QString::fromStdString(TexteCelluleCopie(z, complexe))
                            : QString());
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

void TMatrice::CopieResultat() { QGuiApplication::clipboard()->setText(copieResultat_); }

void TMatrice::CopieListe()
{
    // Eigenvalues and solutions are complex: "(re,im)" in either mode.
    QStringList cellules;
    for (const QTableWidgetSelectionRange& zone : resulMat_->selectedRanges())
        for (int c = zone.leftColumn(); c <= std::min<int>(zone.rightColumn(), static_cast<int>(liste_.size()) - 1); ++c)
            cellules << QString::fromStdString(TexteCelluleCopie(liste_[c], true));
    QGuiApplication::clipboard()->setText(cellules.join('\t'));
}

void TMatrice::CreeActionsCellules()
{
    const QKeySequence copier(QKeySequence::Copy), coller(QKeySequence::Paste);
    const char* const tout = "Copie la valeur calculée, avec tous ses chiffres .";
    for (auto [lieu, nom, titre, touches, aide, action] :
         {std::tuple{static_cast<QWidget*>(mat_), "CopierCellules", "Copier", copier, "Copie les cellules choisies .",
                     &TMatrice::CopieCellules},
          std::tuple{static_cast<QWidget*>(mat_), "CollerCellules", "Coller", coller,
                     "Colle des cellules à partir de la cellule courante .", &TMatrice::ColleCellules},
          std::tuple{static_cast<QWidget*>(resultat_), "CopierResultat", "Copier", copier, tout,
                     &TMatrice::CopieResultat},
          std::tuple{static_cast<QWidget*>(resulMat_), "CopierResulMat", "Copier", copier, tout,
                     &TMatrice::CopieListe}}) {
        auto* a = new QAction(titre, lieu);
        a->setObjectName(nom);
        a->setShortcut(touches);
        a->setShortcutContext(Qt::WidgetShortcut);
        a->setStatusTip(aide);
        lieu->addAction(a);
        lieu->setContextMenuPolicy(Qt::ActionsContextMenu);
        connect(a, &QAction::triggered, this, action);
    }
}
