// The base of objects whose data is one static store shared by all their instances, so
// that any instance made on the stack sees what the first one loaded. The size ordering
// lists are one.
#ifndef SIZES_MONOSTATE_H
#define SIZES_MONOSTATE_H

/// An object over a shared store; Load fills the store.
class Monostate {
public:
  virtual ~Monostate() = default;
  /// Whether the store holds data; the base answers false.
  virtual bool IsValid() const { return false; }
  virtual void Load() = 0;
};

#endif
