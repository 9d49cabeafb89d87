#include "app/fenetres/PlateformeQt.h"

#include "app/fenetres/TAide.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QSoundEffect>
#include <QUrl>

PlateformeQt::~PlateformeQt() { qDeleteAll(sons_); }

void PlateformeQt::Message(Icone icone, const std::string& texte)
{
    QMessageBox boite(icone == Icone::Erreur ? QMessageBox::Critical : QMessageBox::Warning,
                      QApplication::applicationDisplayName(), QString::fromStdString(texte),
                      QMessageBox::Ok, QApplication::activeWindow());
    boite.exec();
}

Plateforme::Reponse PlateformeQt::QuestionEnregistrer(const std::string& texte)
{
    QMessageBox boite(QMessageBox::Question, QApplication::applicationDisplayName(), QString::fromStdString(texte),
                      QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QApplication::activeWindow());
    boite.button(QMessageBox::Save)->setText("Enregistrer");
    boite.button(QMessageBox::Discard)->setText("Ne pas enregistrer");
    boite.button(QMessageBox::Cancel)->setText("Annuler");
    boite.setDefaultButton(QMessageBox::Save);
    boite.setEscapeButton(QMessageBox::Cancel);
    switch (boite.exec()) {
    case QMessageBox::Save: return Reponse::Enregistrer;
    case QMessageBox::Discard: return Reponse::NePasEnregistrer;
    default: return Reponse::Annuler;
    }
}

void PlateformeQt::Bip() { QApplication::beep(); }

void PlateformeQt::JoueFichierSon(const std::string& chemin)
{
    const QString fichier = QString::fromStdString(chemin);
    QSoundEffect*& son = sons_[fichier];
    if (!son) {
        son = new QSoundEffect;
        son->setSource(QUrl::fromLocalFile(fichier));
    }
    son->play(); // asynchronous: plays as soon as the file is loaded
}

void PlateformeQt::Aide(const std::string& sujet) { TAide::Montre(QString::fromStdString(sujet)); }

void PlateformeQt::DebutSablier() { QApplication::setOverrideCursor(Qt::WaitCursor); }

void PlateformeQt::FinSablier() { QApplication::restoreOverrideCursor(); }

namespace {

std::optional<std::string> Dialogue(QFileDialog::AcceptMode mode, const std::string& filtre,
                                    const std::string& extension)
{
    QFileDialog dialogue(QApplication::activeWindow());
    dialogue.setAcceptMode(mode);
    dialogue.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                         : QFileDialog::AnyFile);
    dialogue.setNameFilter(QString::fromStdString(filtre));
    dialogue.setDefaultSuffix(QString::fromStdString(extension));
    if (dialogue.exec() != QDialog::Accepted || dialogue.selectedFiles().isEmpty())
        return std::nullopt;
    return dialogue.selectedFiles().first().toStdString();
}

} // namespace

std::optional<std::string> PlateformeQt::DialogueOuvrir(const std::string& filtre,
                                                        const std::string& extension)
{
    return Dialogue(QFileDialog::AcceptOpen, filtre, extension);
}

std::optional<std::string> PlateformeQt::DialogueEnregistrer(const std::string& filtre,
                                                             const std::string& extension)
{
    return Dialogue(QFileDialog::AcceptSave, filtre, extension);
}
