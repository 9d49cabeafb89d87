#include "app/fenetres/Travail.h"

#include <utility>

Travail::~Travail() { Annule(); }

void Travail::Canal::Envoie(std::function<void()> f) { travail_.Poste({numero_, std::move(f)}); }

void Travail::Poste(Message m)
{
    bool signale;
    {
        std::lock_guard garde(verrou_);
        signale = file_.empty();
        file_.push_back(std::move(m));
    }
    // One call for a burst of messages: the queue says what waits.
    if (signale)
        QMetaObject::invokeMethod(this, &Travail::Vide, Qt::QueuedConnection);
}

void Travail::Lance(std::function<void(Canal&)> calcul)
{
    Annule();
    const unsigned numero = ++numero_;
    arret_ = std::make_shared<std::atomic<bool>>(false);
    enCours_ = true;
    fil_ = std::thread([this, numero, arret = arret_, calcul = std::move(calcul)] {
        Canal canal(*this, numero, arret);
        calcul(canal);
        Poste({numero, {}});
    });
}

void Travail::Arrete()
{
    if (arret_)
        arret_->store(true);
}

void Travail::Attends()
{
    Arrete();
    if (fil_.joinable())
        fil_.join();
}

void Travail::Annule()
{
    Attends();
    // What the job sent no longer runs.
    ++numero_;
    enCours_ = false;
}

void Travail::Acheve()
{
    if (!enCours_)
        return;
    Attends();
    Vide();
}

void Travail::Vide()
{
    std::deque<Message> messages;
    {
        std::lock_guard garde(verrou_);
        messages.swap(file_);
    }
    for (Message& m : messages) {
        // A message may start another job: the rest of this one is stale.
        if (m.numero != numero_)
            continue;
        if (m.f) {
            m.f();
            continue;
        }
        if (fil_.joinable())
            fil_.join();
        enCours_ = false;
        emit Termine();
    }
}
