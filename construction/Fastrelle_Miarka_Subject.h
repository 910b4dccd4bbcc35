// The engine shared by the interactive construction tools (measuring tape, notch, dart,
// new grade point): a loop over the host's drag input that moves, types a length or
// picks, with observers told about each change. Used by the tape, the dart tool and the
// grading and marking commands.
#ifndef CONSTRUCTION_FASTRELLE_MIARKA_SUBJECT_H
#define CONSTRUCTION_FASTRELLE_MIARKA_SUBJECT_H

#include "construction/Subject.h"
#include "framework/Guards.h"
#include "ge/ZcGePoint3d.h"
#include "mfc/CString.h"

/// Result of a key or handler that asks the loop to finish normally (Enter, Space, a pick
/// that places the tool).
constexpr int kDragFinish = 129;
/// Result of a cancel (Escape, the host's cancel).
constexpr int kDragCancelled = 180;

/// An abstract drag tool. "PICKSTYLE" is 0 while it lives (group selection off) and
/// comes back when it is destroyed. Callers attach observers, call PickStart, and Run
/// only when PickStart gave 0; then they call the observers' OnFinish, or clean up after
/// 180 (the loop itself never notifies a cancel).
class Fastrelle_Miarka_Subject : public Subject {
public:
  Fastrelle_Miarka_Subject();
  ~Fastrelle_Miarka_Subject() override;
  Fastrelle_Miarka_Subject(const Fastrelle_Miarka_Subject&) = delete;
  Fastrelle_Miarka_Subject& operator=(const Fastrelle_Miarka_Subject&) = delete;

  /// Calls OnBegin(this) of each observer (every one must be a Fastrelle_Observer).
  virtual void NotifyBegin();
  /// Asks for the tool's first points: 0, or 180 when the user did not give them.
  virtual int PickStart() = 0;
  /// Input handlers: 0 goes on reading; any other result ends the loop at once (129 as a
  /// normal end). Nothing here.
  virtual int OnDrag() { return 0; }
  virtual int OnPick() { return 0; }
  virtual int OnCancel() { return 0; }
  virtual int OnText() { return 0; }
  /// Geometry the observers read.
  virtual int PointAtDistance(double distance, ZcGePoint3d& point) = 0;
  virtual ZcGeVector3d NormalAtDistance(double distance) = 0;
  virtual ZcGePoint3d EndPoint() = 0;
  virtual ZcGeVector3d NormalAtEnd() = 0;
  virtual double GetLength() = 0;

  /// The loop: 0 when the tool ended normally (Enter, Space, a handler's 129), 180 when
  /// the user cancelled (OnCancel is called first), else the reader's failure (1, 22,
  /// 431) or a handler's own status.
  int Run();
  /// Reads one input: 0 with the kind and point, or the typed text changed; 129 for Enter
  /// or Space, 180 for Escape or the host's cancel, 431 for a kind outside 1-25, 22 for a
  /// kind without a rule, 1 for another host failure. Points are kept in world
  /// coordinates.
  int Read();

  int LastKind() const { return m_lastKind; }
  const ZcGePoint3d& LastPoint() const { return m_lastPoint; }
  const CString& TypedText() const { return m_text; }
  bool Tracking() const { return m_track != 0; }

protected:
  /// Applies a key to the typed text: Backspace drops the last character, Enter and
  /// Space give 129, Escape 180, any other code appends its low byte (signed, as a 16-bit
  /// character) and gives 0.
  int ApplyKey(int code);

  int m_track = 1;        // the host reports cursor motion until the first key
  int m_lastKind = 0;
  CString m_text;         // the length typed so far
  ZcGePoint3d m_lastPoint;

private:
  PickStyle m_pickStyle;
};

#endif
