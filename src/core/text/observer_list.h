#pragma once

#include <algorithm>
#include <vector>

namespace kelvo
{

// The observers of a workspace or a session, told in the order they subscribed.
template <class Observer> class ObserverList
{
  public:
    void add(Observer& observer)
    {
        if (std::find(list_.begin(), list_.end(), &observer) == list_.end())
            list_.push_back(&observer);
    }
    void remove(Observer& observer)
    {
        list_.erase(std::remove(list_.begin(), list_.end(), &observer), list_.end());
    }
    // Calls tell(observer) for each; one that unsubscribes while being told is not told again
    // and the others still are.
    template <class Tell> void each(const Tell& tell) const
    {
        const std::vector<Observer*> observers = list_;
        for (Observer* observer : observers)
            if (std::find(list_.begin(), list_.end(), observer) != list_.end())
                tell(*observer);
    }

  private:
    std::vector<Observer*> list_;
};

} // namespace kelvo
