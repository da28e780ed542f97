#pragma once
// The user's work as undo and the session file keep it: every pair with its text as
// typed, the formula and its degree, the fit mode and the view settings. A step of
// the history is a whole snapshot of it (40 pairs are a few kilobytes).

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "SharedState.h"

struct Work {
    std::int16_t pointCount = 0;
    std::array<double, MaxPoints + 1> x{}, y{};  // 1..pointCount, sorted by X
    std::array<std::string, MaxPoints + 1> xText{}, yText{};
    bool sigmaPresent = false;  // with the uncertainty of each Y
    std::array<double, MaxPoints + 1> sigma{};
    std::array<std::string, MaxPoints + 1> sigmaText{};
    std::uint8_t kind = 0;
    std::int16_t degree = 0;  // the typed degree of a polynomial
    std::uint8_t fitMode = 0;
    bool bandsShown = false;
    std::uint8_t sigmaConvention = SigmaRelative;
    // How the window that recorded the step showed it (its command rule and caption),
    // so that an undo shows it again as it was; not part of the work.
    int commandRule = 0;
    std::string caption;

    // The same points, formula and fit: what a step of the history changes. The view
    // settings do not count.
    bool SameFit(const Work& other) const;
};

// The work now in the shared state.
Work WorkOfSharedState();

// Puts the work into the shared state: the points as stored, the formula taken as the
// list takes it, the fit mode and the view settings. False, with the points in place
// but no formula taken, where the points do not allow the formula.
bool ApplyWork(const Work& work);

// What changed from one step to the next, in the user's words: "удаление пары 3",
// "добавление пары 5", "исправление пары 2", "смена зависимости", "МНК по Y",
// "линеаризованный МНК", "замена точек".
std::string StepName(const Work& before, const Work& after);

// The steps of the work, with a current one: a new step after an undo drops the steps
// that could have been redone; the oldest go beyond HistoryDepth.
class WorkHistory {
public:
    static constexpr std::size_t HistoryDepth = 200;

    // Records the work as a new step where its fit differs from the current step's;
    // otherwise only the current step's view settings follow.
    void Record(Work now);
    // The current step; there must be one.
    const Work& Current() const { return steps_[current_]; }
    bool CanUndo() const { return current_ > 0; }
    bool CanRedo() const { return current_ + 1 < steps_.size(); }
    // The step an undo or a redo would take back or bring again; empty where none.
    std::string UndoName() const;
    std::string RedoName() const;
    // Puts the step before (after) the current one into the shared state; false where
    // there is none.
    bool Undo();
    bool Redo();
    void Clear();

private:
    std::vector<Work> steps_;
    std::size_t current_ = 0;
};
