#include "app/fenetres/Disque.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>

std::string MessageErreurFichier(int numero)
{
    switch (numero) {
    case ENOENT:
    case ENOTDIR: return "Fichier introuvable";
    case ENAMETOOLONG:
    case EINVAL: return "Nom de fichier incorrect";
    case EMFILE:
    case ENFILE: return "Trop de fichiers ouverts";
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case ETXTBSY: return "Accès au fichier refusé";
    case ENOSPC:
    case EFBIG:
    case EDQUOT: return "Disque plein";
    default: return "Erreur E/S " + std::to_string(numero);
    }
}

std::optional<Faute> LitFichierDisque(const QString& chemin, std::size_t maximum, std::string& octets)
{
    if (QFileInfo(chemin).isDir())
        return Faute{MessageErreurFichier(EISDIR), IconeFaute::Erreur};
    QFile f(chemin);
    errno = 0;
    if (!f.open(QIODevice::ReadOnly))
        return Faute{MessageErreurFichier(errno ? errno : ENOENT), IconeFaute::Erreur};
    const QByteArray lu = f.read(static_cast<qint64>(maximum) + 1);
    if (f.error() != QFileDevice::NoError)
        return Faute{MessageErreurFichier(errno ? errno : EIO), IconeFaute::Erreur};
    octets.assign(lu.constData(), static_cast<std::size_t>(lu.size()));
    return std::nullopt;
}

std::optional<Faute> EcritFichierDisque(const QString& chemin, const std::string& octets)
{
    QSaveFile f(chemin);
    errno = 0;
    if (!f.open(QIODevice::WriteOnly))
        return Faute{MessageErreurFichier(errno ? errno : EACCES), IconeFaute::Erreur};
    errno = 0;
    // Flushed and checked here: Qt 6.4's commit() renames the temporary
    // file even when the flush it does itself fails (a full disk, a size
    // limit), which would replace the old file with a truncated one.
    const bool ecrit = f.write(octets.data(), static_cast<qint64>(octets.size())) ==
                           static_cast<qint64>(octets.size()) &&
                       f.flush() && f.error() == QFileDevice::NoError;
    const int numero = errno;
    if (!ecrit) {
        f.cancelWriting();
        f.commit(); // discards the temporary file
        return Faute{MessageErreurFichier(numero ? numero : EIO), IconeFaute::Erreur};
    }
    errno = 0;
    if (!f.commit())
        return Faute{MessageErreurFichier(errno ? errno : EIO), IconeFaute::Erreur};
    return std::nullopt;
}
