// The calculator's typing: the entry field of complex mode, the stack
// display that takes the focus after an entry, and the lines of real mode.
#include "calc/fenetres/TCalculatrice.h"

#include "app/fenetres/Fenetres.h"
#include "app/fenetres/Plateforme.h"
#include "calc/fenetres/EcranLignes.h"
#include "calc/modele/LigneEntree.h"
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
    // The menus stay enabled: an operation enters the number typed first.
    parties_->setVisible(true);
}

void TCalculatrice::AcquisitionExit() { parties_->setVisible(true); }

bool TCalculatrice::AcquisitionKeyPress(QKeyEvent* evenement)
{
    // "+" and "-" belong to the numbers typed ("1E-5", "3-4i"); the other
    // operators run at once on the number typed.
    static constexpr std::pair<char, Touche> Operateurs[] = {
        {'*', Touche::Produit}, {'/', Touche::Divise}, {'^', Touche::Puissance}};
    for (const auto& [caractere, touche] : Operateurs)
        if (evenement->text() == QChar(caractere)) {
            Appuie(touche);
            return true;
        }
    if (evenement->key() != Qt::Key_Return && evenement->key() != Qt::Key_Enter)
        return false;
    EntreeValidee(modele_.Saisit(acquisition_->text().toStdString()));
    return true;
}

void TCalculatrice::EntreeValidee(const SaisieComplexe::Resultat& r)
{
    // A text that is no number (nor a whole value in the first step) stays
    // in the field for correction: nothing of it is taken.
    switch (r.issue) {
    case SaisieComplexe::Issue::Vide:
    case SaisieComplexe::Issue::Refusee: LaPlateforme().Bip(); return;
    case SaisieComplexe::Issue::Depassement:
        // A number beyond extended precision never reaches the stack.
        SignaleErreur("Dépassement de capacité .");
        return;
    case SaisieComplexe::Issue::PartieReelle:
        acquisition_->clear();
        MontreAffichage();
        return;
    case SaisieComplexe::Issue::Complete: break;
    }
    acquisition_->clear();
    ChoisitLigne(1);
    MontreAffichage();
    ActualiseHistorique();
    ecranPile_->setFocus();
    parties_->setVisible(false);
}

bool TCalculatrice::EntreChamp()
{
    const SaisieComplexe::Resultat r = modele_.AcheveSaisie(acquisition_->text().toStdString());
    switch (r.issue) {
    case SaisieComplexe::Issue::Refusee: LaPlateforme().Bip(); return false;
    case SaisieComplexe::Issue::Depassement: SignaleErreur("Dépassement de capacité ."); return false;
    case SaisieComplexe::Issue::Complete:
        acquisition_->clear();
        // Typing goes on after the result, as after an entry.
        if (acquisition_->hasFocus()) {
            ecranPile_->setFocus();
            parties_->setVisible(false);
        }
        break;
    case SaisieComplexe::Issue::Vide:
    case SaisieComplexe::Issue::PartieReelle: break;
    }
    return true;
}

void TCalculatrice::AbandonneSaisie()
{
    modele_.AbandonneSaisie();
    acquisition_->clear();
}

bool TCalculatrice::EcranPileKeyPress(QKeyEvent* touche)
{
    const QString texte = touche->text();
    if (touche->key() == Qt::Key_Space)
        return true;
    // Enter on the stack: as on an empty field (line 1 duplicated, or a
    // pending real part completed with 0).
    if (touche->key() == Qt::Key_Return || touche->key() == Qt::Key_Enter) {
        EntreeValidee(modele_.Saisit(std::string()));
        return true;
    }
    if (texte.size() != 1)
        return false;
    if (texte[0].isDigit() || texte[0] == '.' || texte[0] == ',') {
        acquisition_->setFocus();
        acquisition_->insert(texte);
        return true;
    }
    // The keypad's twins of the operator keys.
    for (const DefinitionTouche& d : LesTouches())
        if (d.clavier && texte[0] == QChar(d.clavier)) {
            Appuie(d.touche);
            return true;
        }
    return false;
}

bool TCalculatrice::EcranRKeyPress(QKeyEvent* evenement)
{
    if (evenement->matches(QKeySequence::Undo)) {
        AnnuleReel();
        return true;
    }
    if (evenement->matches(QKeySequence::Redo) ||
        (evenement->key() == Qt::Key_Y && evenement->modifiers() == Qt::ControlModifier)) {
        RetablitReel();
        return true;
    }
    const int touche = evenement->key();
    QTextDocument* document = ecranR_->document();
    if ((touche == Qt::Key_Up || touche == Qt::Key_Down) && evenement->modifiers() == Qt::ControlModifier) {
        // Line recall, on the current line only.
        if (ecranR_->textCursor().blockNumber() < LigneCourante())
            return false;
        if (const auto texte = modele_.LaTranscription().Rappelle(touche == Qt::Key_Up ? -1 : 1)) {
            AfficheTranscription(static_cast<std::size_t>(LigneCourante()), QString::fromStdString(*texte));
        }
        return true;
    }
    if (touche != Qt::Key_Return && touche != Qt::Key_Enter)
        return false;
    const QTextBlock courant = document->findBlockByNumber(LigneCourante());
    // Enter on an earlier line while the current one is empty: that line's
    // expression again, at the end, as if typed there; nothing above
    // changes. With text on the current line, Enter enters that text,
    // wherever the caret is.
    const int ici = ecranR_->textCursor().blockNumber();
    if (ici < LigneCourante() && (!courant.isValid() || courant.text().isEmpty())) {
        QString expression = document->findBlockByNumber(ici).text();
        if (expression.startsWith("= "))
            expression = expression.mid(2).trimmed(); // a result: its value
        Ajoute(expression);
    }
    ValideLigneCourante(false);
    ecranR_->moveCursor(QTextCursor::End);
    return true;
}

QString TCalculatrice::TexteCourant() const
{
    const QTextBlock bloc = ecranR_->document()->findBlockByNumber(LigneCourante());
    return bloc.isValid() ? bloc.text() : QString();
}

void TCalculatrice::AfficheTranscription(std::size_t depuis, const QString& courante)
{
    const std::vector<std::string>& lignes = modele_.LaTranscription().Lignes();
    QTextDocument* document = ecranR_->document();
    // A line the user removed above is opened again, empty.
    while (static_cast<std::size_t>(document->blockCount()) < depuis + 1)
        AjouteLigne(QString());
    QTextCursor curseur(document->findBlockByNumber(static_cast<int>(depuis)));
    curseur.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    QStringList texte;
    for (std::size_t k = depuis; k < lignes.size(); ++k)
        texte << QString::fromStdString(lignes[k]);
    texte << courante;
    curseur.insertText(texte.join('\n'));
    ecranR_->moveCursor(QTextCursor::End);
    // What the program wrote is not the user's typing: Ctrl+Z takes the
    // typing back first, then the lines entered, through the model.
    document->clearUndoRedoStacks();
    ActiveEdition();
}

bool TCalculatrice::ValideLigneCourante(bool silencieux)
{
    const std::size_t depuis = static_cast<std::size_t>(LigneCourante());
    const QString ligne = TexteCourant();
    if (ligne.isEmpty() && silencieux)
        return true;
    Journal journal;
    const auto e = modele_.EntreLigne(ligne.toStdString(), VariableDuTraceur(), journal);
    AfficheTranscription(depuis, QString());
    ActualiseHistorique();
    if (!e) {
        JoueSon(DossierProgramme() + "Son1.wav");
        return true;
    }
    // The names step tells with the plotter's sounds, the line's own
    // failure with the calculator's error signal.
    RaconteJournal(journal, SonsDuTraceur());
    if (e->faute) {
        RaconteJournal({*e->faute}, true); // the calculator's error signal
        return false;
    }
    return true;
}

void TCalculatrice::AnnuleReel()
{
    // The typing since the last line entered goes first, as in any editor.
    if (ecranR_->document()->isUndoAvailable()) {
        ecranR_->undo();
        return;
    }
    if (const auto r = modele_.LaTranscription().Annule()) {
        AfficheTranscription(r->depuis, QString::fromStdString(r->courante));
        ActualiseHistorique(); // a definition taken back
    }
    else
        LaPlateforme().Bip();
}

void TCalculatrice::RetablitReel()
{
    if (ecranR_->document()->isRedoAvailable()) {
        ecranR_->redo();
        return;
    }
    if (const auto r = modele_.LaTranscription().Retablit()) {
        AfficheTranscription(r->depuis, QString::fromStdString(r->courante));
        ActualiseHistorique();
    }
    else
        LaPlateforme().Bip();
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
            if (AcquisitionKeyPress(static_cast<QKeyEvent*>(evenement)))
                return true;
            break;
        case QEvent::ShortcutOverride: {
            // An empty field has no typing to undo: Ctrl+Z and Ctrl+Y are
            // the stack's.
            auto* touche = static_cast<QKeyEvent*>(evenement);
            if (acquisition_->text().isEmpty() &&
                (touche->matches(QKeySequence::Undo) || touche->matches(QKeySequence::Redo) ||
                 (touche->key() == Qt::Key_Y && touche->modifiers() == Qt::ControlModifier)))
                return true;
            break;
        }
        default: break;
        }
    } else if (objet == ecranR_ && evenement->type() == QEvent::ShortcutOverride) {
        // Undo and redo are the window's in real mode (the typing, then the
        // lines entered), not the menu's shortcuts.
        auto* touche = static_cast<QKeyEvent*>(evenement);
        if (touche->matches(QKeySequence::Undo) || touche->matches(QKeySequence::Redo) ||
            (touche->key() == Qt::Key_Y && touche->modifiers() == Qt::ControlModifier))
            evenement->accept();
    } else if (objet == ecranR_ && evenement->type() == QEvent::KeyPress) {
        if (EcranRKeyPress(static_cast<QKeyEvent*>(evenement)))
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
