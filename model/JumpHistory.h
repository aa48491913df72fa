#pragma once
// Where the user came from when following links from step to step, for
// going back and forward as a browser does. It watches the step list: a
// step that moves, or has steps inserted or deleted before it, keeps its
// place in the history; a deleted step leaves it, and a new script clears it.

#include "model/StepList.h"

#include <cstddef>
#include <deque>

namespace pst {

class JumpHistory : public StepListObserver {
public:
    // The oldest places are forgotten beyond this many.
    static constexpr std::size_t kMaxPlaces = 100;

    // Watches `steps` from now until the history goes.
    explicit JumpHistory(StepList& steps);
    ~JumpHistory() override;
    JumpHistory(const JumpHistory&) = delete;
    JumpHistory& operator=(const JumpHistory&) = delete;

    // A jump from row `from` (kNone: from no row) to another: `from` is the
    // place to go back to, and what lay ahead is dropped.
    void jumped(int from);
    // The row to go back (forward) to from `current`, which becomes the
    // place to go forward (back) to; kNone when there is none.
    int back(int current);
    int forward(int current);
    bool canGoBack() const { return !m_back.empty(); }
    bool canGoForward() const { return !m_forward.empty(); }

    // StepListObserver
    void rowsInserted(int first, int last) override;
    void rowsRemoved(int first, int last) override;
    void rowMoved(int from, int to) override;
    void listReset() override;

private:
    using Places = std::deque<int>;
    static int step(Places& from, Places& to, int current);
    static void push(Places& places, int row);
    template <typename Renumber>
    void renumber(Renumber f);

    StepList& m_steps;
    Places m_back;
    Places m_forward;
};

} // namespace pst
