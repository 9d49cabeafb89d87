#pragma once
// The steps that "Annuler" and "Rétablir" walk through: a step is whatever
// its owner needs to put its state back and to replay it. A new step drops
// the steps undone; beyond EtapesMax the oldest go, so that a long run keeps
// bounded memory.
#include <cstddef>
#include <deque>

template <class Etape>
class Annulation {
public:
    static constexpr std::size_t EtapesMax = 200;

    void Enregistre(Etape etape)
    {
        faites_.push_back(std::move(etape));
        if (faites_.size() > EtapesMax)
            faites_.pop_front();
        defaites_.clear();
    }
    // The step to undo, moved among those to replay; nullptr when none.
    const Etape* Annule() { return Deplace(faites_, defaites_); }
    // The step to replay, moved back among those to undo; nullptr when none.
    const Etape* Retablit() { return Deplace(defaites_, faites_); }

    bool PeutAnnuler() const { return !faites_.empty(); }
    bool PeutRetablir() const { return !defaites_.empty(); }
    std::size_t Etapes() const { return faites_.size(); }

private:
    static const Etape* Deplace(std::deque<Etape>& de, std::deque<Etape>& vers)
    {
        if (de.empty())
            return nullptr;
        vers.push_back(std::move(de.back()));
        de.pop_back();
        return &vers.back();
    }

    std::deque<Etape> faites_, defaites_;
};
