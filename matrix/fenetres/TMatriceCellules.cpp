// The matrix grid's cells: one read as typed, shown in the grid's form,
// blocks copied and pasted as tab-separated rows; the results copied as
// they are stored.
#include "matrix/fenetres/TMatrice.h"

#include "app/fenetres/Plateforme.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QFontMetrics>
#include <QLabel>
#include <QRegularExpression>
#include <QTableWidget>

#include <algorithm>

void TMatrice::MatKeyPress(int ligne, int colonne)
{
    // Enter on a result in the grid reads nothing into the matrix.
    if (!modele_.Permise(ModeleMatrice::Commande::Ecrire))
        return;
    // A refused text beeps; either way the cell shows what the matrix holds.
    if (!modele_.EcritCellule(ligne + 1, colonne + 1, mat_->item(ligne, colonne)->text().toStdString()))
        LaPlateforme().Bip();
    MontreCellule(mat_, ligne, colonne, modele_.MatEditee()(ligne + 1, colonne + 1), modele_.ModeComplexe());
    Montre();
}

void TMatrice::MontreCellule(QTableWidget* grille, int ligne, int colonne, TComplexe z, bool complexe)
{
    QTableWidgetItem* cellule = grille->item(ligne, colonne);
    const QFontMetrics mesure(grille->font());
    // Scientific where the fixed form is wider than the mode's column; the
    // column widens for what is wider still (Dimensionne).
    const int place = grille->horizontalHeader()->defaultSectionSize() - 6; // the cell's margins
    QString texte = QString::fromStdString(FormatCoef(z, complexe));
    if (mesure.horizontalAdvance(texte) > place)
        texte = QString::fromStdString(FormatCoef(z, complexe, true));
    cellule->setText(texte);
    // The value with every digit, as a copy takes it.
    cellule->setToolTip(QString::fromStdString(TexteCelluleCopie(z, complexe)));
}

void TMatrice::CopieCellules()
{
    if (const auto& resultat = modele_.Affichage.grille) {
        // The result shown: the selected cells, or all of it.
        QStringList lignes;
        const auto zones = mat_->selectedRanges();
        const auto& valeurs = resultat->cellules;
        for (int l = 0; l < static_cast<int>(valeurs.size()); ++l) {
            QStringList cellules;
            for (int c = 0; c < static_cast<int>(valeurs[l].size()); ++c)
                if (zones.isEmpty() || std::any_of(zones.begin(), zones.end(), [&](const QTableWidgetSelectionRange& z) {
                        return l >= z.topRow() && l <= z.bottomRow() && c >= z.leftColumn() && c <= z.rightColumn();
                    }))
                    cellules << QString::fromStdString(TexteCelluleCopie(valeurs[l][c], modele_.ModeComplexe()));
            if (!cellules.isEmpty())
                lignes << cellules.join('\t');
        }
        QGuiApplication::clipboard()->setText(lignes.join('\n'));
        return;
    }
    const TMat& m = modele_.MatEditee();
    const int n = modele_.TailleEditee();
    QStringList lignes;
    for (const QTableWidgetSelectionRange& zone : mat_->selectedRanges()) {
        for (int l = zone.topRow(); l <= std::min(zone.bottomRow(), n - 1); ++l) {
            QStringList cellules;
            for (int c = zone.leftColumn(); c <= std::min(zone.rightColumn(), n - 1); ++c)
                cellules << QString::fromStdString(TexteCelluleCopie(m(l + 1, c + 1), modele_.ModeComplexe()));
            lignes << cellules.join('\t');
        }
    }
    QGuiApplication::clipboard()->setText(lignes.join('\n'));
}

void TMatrice::ColleCellules()
{
    if (!modele_.Permise(ModeleMatrice::Commande::Ecrire))
        return;
    // Rows of cells separated by tabs (a spreadsheet, this program) or by
    // runs of blanks (a text editor).
    std::vector<std::vector<std::string>> bloc;
    for (const QString& ligne : QGuiApplication::clipboard()->text().split(QRegularExpression("\r\n|\r|\n"), Qt::SkipEmptyParts)) {
        const QStringList cellules = ligne.trimmed().split(ligne.contains('\t') ? QRegularExpression("\\s*\t\\s*") : QRegularExpression("\\s+"));
        if (ligne.trimmed().isEmpty())
            continue;
        bloc.emplace_back();
        for (const QString& cellule : cellules)
            bloc.back().push_back(cellule.trimmed().toStdString());
    }
    if (bloc.empty())
        return LaPlateforme().Bip();
    const int l0 = std::max(mat_->currentRow(), 0), c0 = std::max(mat_->currentColumn(), 0);
    if (const auto refus = modele_.ColleBloc(l0 + 1, c0 + 1, bloc)) {
        const QString texte = QString::fromStdString(refus->texte);
        Refuse({QString("Cellule refusée (ligne %1, colonne %2) : « %3 » .")
                    .arg(refus->ligne)
                    .arg(refus->colonne)
                    .arg(texte.size() > 40 ? texte.left(40) + "..." : texte)
                    .toStdString(),
                IconeFaute::Avertissement});
        return;
    }
    Montre();
}

void TMatrice::CopieResultat()
{
    if (const auto& v = modele_.Affichage.valeur)
        QGuiApplication::clipboard()->setText(v->entier ? QString::number(static_cast<int>(v->z.Re))
                                                        : QString::fromStdString(TexteCelluleCopie(v->z, true)));
}

void TMatrice::CopieListe()
{
    // Eigenvalues and solutions, one a line, in the copy form ("3-4i").
    const auto& liste = modele_.Affichage.liste;
    if (!liste)
        return;
    QStringList cellules;
    const int n = static_cast<int>(liste->valeurs.size());
    for (const QTableWidgetSelectionRange& zone : resulMat_->selectedRanges())
        for (int c = zone.leftColumn(); c <= std::min(zone.rightColumn(), n - 1); ++c)
            cellules << QString::fromStdString(TexteCelluleCopie(liste->valeurs[c], true));
    QGuiApplication::clipboard()->setText(cellules.join('\n'));
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
    coller_ = mat_->findChild<QAction*>("CollerCellules");
    copierValeur_ = resultat_->findChild<QAction*>("CopierResultat");
    copierListe_ = resulMat_->findChild<QAction*>("CopierResulMat");
}
