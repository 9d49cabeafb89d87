// The calculator's typing: the entry field of complex mode, the stack
// display that takes the focus after an entry, and the lines of real mode.
#include "calc/TCalculatrice.h"

#include "app/Fenetres.h"
#include "app/Plateforme.h"
#include "calc/EcranLignes.h"
#include "calc/LigneEntree.h"
#include "funclang/Nombres.h"

#include <QAction>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTextBlock>

#include <algorithm>

void TCalculatrice::AcquisitionEnter()
{
    parties_->setVisible(true);
    for (QAction* a : {solve_->menuAction(), functions_->menuAction(), ctes_->menuAction(), ciao_,
                       graphe_, mat_, solveur_})
        a->setEnabled(false);
}

void TCalculatrice::AcquisitionExit()
{
    for (QAction* a : {functions_->menuAction(), ctes_->menuAction(), ciao_, graphe_, mat_, solveur_})
        a->setEnabled(true);
    solve_->menuAction()->setEnabled(modeComplexe_);
    parties_->setVisible(true);
}

bool TCalculatrice::AcquisitionKeyPress(int touche)
{
    if (touche != Qt::Key_Return && touche != Qt::Key_Enter)
        return false;
    const std::string texte = acquisition_->text().toStdString();
    if (texte.empty())
        return false;
    // A text that is no number (nor a copied value in the first step) stays
    // in the field for correction: nothing of it is taken.
    const SaisieLue lu = LitSaisie(texte, etapeSaisie_ == 0);
    switch (lu.sorte) {
    case SaisieLue::Sorte::Refusee: LaPlateforme().Bip(); return true;
    case SaisieLue::Sorte::Depassement:
        // A number beyond extended precision never reaches the stack.
        SignaleErreur("Dépassement de capacité .");
        return true;
    case SaisieLue::Sorte::Reel:
        if (etapeSaisie_ == 0) {
            saisieRe_ = lu.valeur.Re;
            acquisition_->clear();
            parties_->setText("Partie Imaginaire :");
            etapeSaisie_ = 1;
            return true;
        }
        saisieIm_ = lu.valeur.Re;
        break;
    case SaisieLue::Sorte::Complexe:
        saisieRe_ = lu.valeur.Re;
        saisieIm_ = lu.valeur.Im;
        break;
    }
    acquisition_->clear();
    parties_->setText("Partie Réelle :");
    pile_.Monte(Complexe(saisieRe_, saisieIm_));
    ChoisitLigne(1);
    RefreshEcran();
    ecranPile_->setFocus();
    parties_->setVisible(false);
    etapeSaisie_ = 0;
    return true;
}

bool TCalculatrice::EcranPileKeyPress(QKeyEvent* touche)
{
    // The keypad's twins of the operator keys, by their tags.
    static const std::pair<QChar, int> Operations[] = {{'+', 10}, {'-', 8}, {'*', 6}, {'/', 4}, {'^', 18}};
    const QString texte = touche->text();
    if (touche->key() == Qt::Key_Space || touche->key() == Qt::Key_Return || touche->key() == Qt::Key_Enter)
        return true;
    if (texte.size() != 1)
        return false;
    if (texte[0].isDigit() || texte[0] == '.' || texte[0] == ',') {
        acquisition_->setFocus();
        acquisition_->insert(texte);
        return true;
    }
    for (auto [car, tag] : Operations)
        if (texte[0] == car) {
            Touche(tag);
            return true;
        }
    return false;
}

bool TCalculatrice::EcranRKeyPress(int touche)
{
    if (touche != Qt::Key_Return && touche != Qt::Key_Enter)
        return false;
    QTextDocument* document = ecranR_->document();
    const QTextBlock courant = document->findBlockByNumber(ligneCourante_);
    // Enter on an earlier line while the current one is empty: that line's
    // expression again, at the end, as if typed there; nothing above
    // changes. With text on the current line, Enter enters that text,
    // wherever the caret is.
    const int ici = ecranR_->textCursor().blockNumber();
    if (ici < ligneCourante_ && (!courant.isValid() || courant.text().isEmpty())) {
        QString expression = document->findBlockByNumber(ici).text();
        if (expression.startsWith("= "))
            expression = expression.mid(2).trimmed(); // a result: its value
        Ajoute(expression);
    }
    ValideLigneCourante(false);
    ecranR_->moveCursor(QTextCursor::End);
    return true;
}

bool TCalculatrice::ValideLigneCourante(bool silencieux)
{
    const QTextBlock bloc = ecranR_->document()->findBlockByNumber(ligneCourante_);
    const QString ligne = bloc.isValid() ? bloc.text() : QString();
    if (ligne.isEmpty()) {
        if (silencieux)
            return true;
        JoueSon(DossierProgramme() + "Son1.wav");
        ++ligneCourante_;
        AjouteLigne(QString());
        return true;
    }
    ligneCourante_ += 2;
    Journal journal;
    const EvaluationLigne e = EvalueLigne(ligne.toStdString(), VariableDuTraceur(), journal);
    // The names step tells with the plotter's sounds, the line's own
    // failure with the calculator's error signal.
    RaconteJournal(journal, SonsDuTraceur());
    if (e.faute) {
        RaconteJournal({*e.faute}, true); // the calculator's error signal
        --ligneCourante_;
        AjouteLigne(QString());
        return false;
    }
    AjouteLigne("= " + QString::fromStdString(TexteNombre(e.valeur)));
    AjouteLigne(QString());
    return true;
}

void TCalculatrice::ColleLignes(const QStringList& lignes)
{
    // Each line as if typed at the end of the current line and entered; an
    // empty one is passed over; the first that fails says why once, and the
    // rest is dropped.
    for (const QString& ligne : lignes) {
        Ajoute(ligne);
        if (!ValideLigneCourante(true))
            break;
    }
    ecranR_->moveCursor(QTextCursor::End);
}

bool TCalculatrice::eventFilter(QObject* objet, QEvent* evenement)
{
    if (objet == acquisition_) {
        switch (evenement->type()) {
        case QEvent::FocusIn: AcquisitionEnter(); break;
        case QEvent::FocusOut: AcquisitionExit(); break;
        case QEvent::KeyPress:
            if (AcquisitionKeyPress(static_cast<QKeyEvent*>(evenement)->key()))
                return true;
            break;
        default: break;
        }
    } else if (objet == ecranR_ && evenement->type() == QEvent::KeyPress) {
        if (EcranRKeyPress(static_cast<QKeyEvent*>(evenement)->key()))
            return true;
    } else if (objet == ecranPile_ && evenement->type() == QEvent::KeyPress) {
        if (EcranPileKeyPress(static_cast<QKeyEvent*>(evenement)))
            return true;
    } else if (objet == ecranPile_ && evenement->type() == QEvent::MouseButtonPress) {
        // Lines 5 to 1 from the top, 26 pixels each.
        const int y = static_cast<QMouseEvent*>(evenement)->position().toPoint().y();
        ChoisitLigne(std::clamp(5 - (y - 4) / 26, 1, 5));
    }
    return QMainWindow::eventFilter(objet, evenement);
}
