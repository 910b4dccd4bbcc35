// An observer of a drag tool that reads the tool's geometry (end point, normal, length)
// through the subject that drives it. Base of the length dialog, the length text, the
// dart legs and the symbol observers.
#ifndef CONSTRUCTION_FASTRELLE_OBSERVER_H
#define CONSTRUCTION_FASTRELLE_OBSERVER_H

#include "construction/Observer.h"

class Fastrelle_Miarka_Subject;

/// The subject is told by the tool (OnBegin) when it starts or changes its base curve;
/// null until then. Not owned.
class Fastrelle_Observer : public Observer {
public:
  /// Stores the subject the observer reads from.
  virtual void OnBegin(Fastrelle_Miarka_Subject* subject) { m_subject = subject; }
  Fastrelle_Miarka_Subject* GetSubject() const { return m_subject; }

protected:
  Fastrelle_Miarka_Subject* m_subject = nullptr;
};

#endif
