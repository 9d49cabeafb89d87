#pragma once
// The text area of real mode. A paste (or a drop) of several lines is not
// inserted as it is: the window evaluates its lines one by one, as if each
// were typed and followed by Enter, so that every answer stands under its
// own expression. A text without a line break is inserted as usual.
#include <QPlainTextEdit>

class EcranLignes : public QPlainTextEdit {
    Q_OBJECT
public:
    using QPlainTextEdit::QPlainTextEdit;

signals:
    void CollageDeLignes(const QStringList& lignes);

protected:
    void insertFromMimeData(const QMimeData* source) override;
};
