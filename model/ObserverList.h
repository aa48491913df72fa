#pragma once
// The views that watch one part of the editor's state (the step list, the
// record buffer): each is told of every change, in the order it was added.
// An observer is removed before it goes; none is added or removed while the
// list tells of a change.

#include <algorithm>
#include <vector>

namespace pst {

template <typename Observer>
class ObserverList {
public:
    void add(Observer* observer)
    {
        if (observer && std::find(m_observers.begin(), m_observers.end(), observer) == m_observers.end())
            m_observers.push_back(observer);
    }
    void remove(Observer* observer) { std::erase(m_observers, observer); }

    // Calls `tell(observer)` for each observer.
    template <typename Tell>
    void notify(Tell&& tell) const
    {
        for (Observer* observer : m_observers)
            tell(*observer);
    }

private:
    std::vector<Observer*> m_observers;
};

} // namespace pst
