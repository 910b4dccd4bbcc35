// The observer list of a drag tool and its three notifications.
#include "construction/Subject.h"

#include "construction/Observer.h"

void Subject::Attach(Observer* observer) { m_observers.push_back(observer); }

void Subject::Detach(Observer* observer) { m_observers.remove(observer); }

void Subject::NotifyMove() {
  for (Observer* o : m_observers) o->OnMove();
}

void Subject::NotifyCancel() {
  for (Observer* o : m_observers) o->OnCancel();
}

void Subject::NotifyFinish() {
  for (Observer* o : m_observers) o->OnFinish();
}
