#include "calc/fenetres/EcranLignes.h"

#include <QMimeData>
#include <QRegularExpression>

void EcranLignes::insertFromMimeData(const QMimeData* source)
{
    const QString texte = source->hasText() ? source->text() : QString();
    static const QRegularExpression FinDeLigne("\r\n|[\r\n\u2028\u2029]");
    if (!texte.contains(FinDeLigne)) {
        QPlainTextEdit::insertFromMimeData(source);
        return;
    }
    emit CollageDeLignes(texte.split(FinDeLigne));
}
