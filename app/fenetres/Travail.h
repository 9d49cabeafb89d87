#pragma once
// One long computation at a time, off the window's thread, so that every
// window answers while it runs.
//
// What the computation hands back (drawing, progress, its end) waits in a
// queue of the job's own, guarded by a mutex; a queued call only tells the
// window's thread that something waits there. Each message carries the
// number of its job: once a job is cancelled, nothing it sent runs.
#include <QObject>

#include <atomic>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

class Travail : public QObject {
    Q_OBJECT
public:
    // What a computation may do from its thread.
    class Canal {
    public:
        // f runs on the window's thread, after what was sent before it.
        void Envoie(std::function<void()> f);
        // The user asked the computation to stop: it ends early, with what
        // it has.
        bool Arret() const { return arret_->load(std::memory_order_relaxed); }

    private:
        friend class Travail;
        Canal(Travail& travail, unsigned numero, std::shared_ptr<std::atomic<bool>> arret)
            : travail_(travail), numero_(numero), arret_(std::move(arret))
        {
        }
        Travail& travail_;
        unsigned numero_;
        std::shared_ptr<std::atomic<bool>> arret_;
    };

    explicit Travail(QObject* parent = nullptr) : QObject(parent) {}
    ~Travail() override;
    Travail(const Travail&) = delete;
    Travail& operator=(const Travail&) = delete;

    // Runs calcul on a thread of its own; a job still running is cancelled
    // first. Its messages, then Termine(), arrive on the window's thread.
    void Lance(std::function<void(Canal&)> calcul);
    // Asks the running job to stop; what it sends on its way out still
    // arrives.
    void Arrete();
    // The job is stopped and waited for, and nothing it sent runs any more.
    void Annule();
    // The job is stopped and waited for, and what it sent runs now: its
    // end is done when this returns (a window that closes).
    void Acheve();
    bool EnCours() const { return enCours_; }

signals:
    // The job ended, its last message run (not after Annule).
    void Termine();

private:
    struct Message {
        unsigned numero;
        std::function<void()> f; // empty: the job's end
    };
    void Poste(Message m);
    // On the window's thread: runs what waits, in order.
    void Vide();
    void Attends();

    std::mutex verrou_;
    std::deque<Message> file_;
    unsigned numero_ = 0; // the job whose messages run
    bool enCours_ = false;
    std::shared_ptr<std::atomic<bool>> arret_;
    std::thread fil_;
};
