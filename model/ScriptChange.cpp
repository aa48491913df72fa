#include "model/ScriptChange.h"

#include "model/Editor.h"

namespace pst {

namespace {
template <typename... F>
struct Overload : F... {
    using F::operator()...;
};
// clang 14 deduces no aggregate's template arguments by itself.
template <typename... F>
Overload(F...) -> Overload<F...>;

std::size_t rowMemory(const StepRow& row) { return sizeof(StepRow) + row.record.size(); }
} // namespace

void applyChange(ScriptChange& change, Editor& editor, bool forward)
{
    StepList& steps = editor.steps();
    std::visit(Overload{
                   [&](InsertedRow& c) {
                       if (forward)
                           steps.insert(c.pos, std::move(c.row));
                       else
                           c.row = steps.take(c.pos);
                   },
                   [&](RemovedRow& c) {
                       if (forward)
                           c.row = steps.take(c.pos);
                       else
                           steps.insert(c.pos, std::move(c.row));
                   },
                   [&](RemovedRows& c) {
                       if (!forward) {
                           steps.insertRows(c.positions, std::move(c.rows));
                           c.rows.clear();
                           return;
                       }
                       std::vector<bool> flags(static_cast<std::size_t>(steps.size()), false);
                       for (int pos : c.positions)
                           flags[static_cast<std::size_t>(pos)] = true;
                       c.rows = steps.takeRows(flags);
                   },
                   [&](SwappedRows& c) { steps.swapWithNext(c.first); },
                   [&](ReplacedRows& c) { c.rows = steps.exchangeRows(std::move(c.rows)); },
                   [&](RowPatches& c) { c.exchange(steps); },
                   [&](LinkDeltas& c) { c.apply(steps, forward); },
                   [&](ModuleState& c) { editor.exchangeModule(c); },
               },
               change);
}

std::size_t changeMemory(const ScriptChange& change)
{
    return sizeof(ScriptChange)
        + std::visit(Overload{
                         [](const InsertedRow& c) { return rowMemory(c.row); },
                         [](const RemovedRow& c) { return rowMemory(c.row); },
                         [](const RemovedRows& c) {
                             std::size_t bytes = c.positions.capacity() * sizeof(int);
                             for (const StepRow& row : c.rows)
                                 bytes += rowMemory(row);
                             return bytes;
                         },
                         [](const SwappedRows&) { return std::size_t{0}; },
                         [](const ReplacedRows& c) {
                             std::size_t bytes = 0;
                             for (const StepRow& row : c.rows)
                                 bytes += rowMemory(row);
                             return bytes;
                         },
                         [](const RowPatches& c) { return c.memory(); },
                         [](const LinkDeltas& c) { return c.memory(); },
                         [](const ModuleState& c) { return c.image.size(); },
                     },
                     change);
}

bool changesNothing(const ScriptChange& change)
{
    if (const auto* patches = std::get_if<RowPatches>(&change))
        return patches->empty();
    if (const auto* deltas = std::get_if<LinkDeltas>(&change))
        return deltas->empty();
    return false;
}

} // namespace pst
