// Long work on a document (an edit of millions of rows, a search through them) tells how far it has come and
// stops when asked; work that stops changes nothing.
#pragma once

#include <algorithm>

namespace tavi {

// Thrown by TWorkSteps when the meter asks the work to stop; the work catches it before it
// changes anything.
struct TWorkStopped {};

// What long work reports to. This one lets all work run to its end unseen; a window shows
// progress and a way to stop instead.
class TWorkMeter {
public:
    virtual ~TWorkMeter() = default;
    // A piece of work begins or ends. Work nests (a replace of every match searches, then
    // edits): only the outermost piece counts, and a stop asked for holds until it ends.
    virtual void Begin() {}
    virtual void End() {}
    // `done` of `total` units of the current piece are done; false asks the work to stop.
    virtual bool GoOn(long long /*done*/, long long /*total*/) { return true; }
};

// One piece of work on a meter, from construction to destruction, reported in steps.
class TWorkSteps {
public:
    // Units between two reports: a report costs a look at the clock, or a repaint.
    static constexpr long long kStep = 1 << 20;

    TWorkSteps(TWorkMeter& meter, long long total) : meter_(meter), total_(std::max(1LL, total)) { meter_.Begin(); }
    ~TWorkSteps() { meter_.End(); }
    TWorkSteps(const TWorkSteps&) = delete;
    TWorkSteps& operator=(const TWorkSteps&) = delete;

    // The work has come to `done` units; throws TWorkStopped when the meter says stop.
    void Reach(long long done)
    {
        if (done < next_)
            return;
        next_ = done + kStep;
        if (!meter_.GoOn(std::min(done, total_), total_))
            throw TWorkStopped{};
    }
    void Advance(long long units) { Reach(done_ += units); }

private:
    TWorkMeter& meter_;
    long long total_;
    long long done_ = 0;
    long long next_ = kStep;  // work shorter than a step is never reported
};

}  // namespace tavi
