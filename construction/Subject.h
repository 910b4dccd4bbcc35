// The watched side of a drag tool: an ordered list of observers told about moves, a
// cancel and the finish. Used by the measuring tape, the dart tool and grading's tools.
#ifndef CONSTRUCTION_SUBJECT_H
#define CONSTRUCTION_SUBJECT_H

#include <list>

class Observer;

/// Observers in attach order (one may be attached twice and is then told twice); the
/// subject does not own them, so they must outlive it or be detached first.
class Subject {
public:
  virtual ~Subject() = default;
  /// Appends the observer at the end of the list.
  virtual void Attach(Observer* observer);
  /// Removes every entry of the observer.
  virtual void Detach(Observer* observer);
  /// Calls OnMove of each observer, in list order.
  virtual void NotifyMove();
  /// Calls OnCancel of each observer, in list order.
  virtual void NotifyCancel();
  /// Calls OnFinish of each observer, in list order.
  virtual void NotifyFinish();
  int Count() const { return static_cast<int>(m_observers.size()); }

protected:
  std::list<Observer*> m_observers;
};

#endif
