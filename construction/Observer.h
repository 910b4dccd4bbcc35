// What a drag tool tells the parties watching it (previews, the floating length dialog,
// the symbol that slides along a curve): a move, a cancel and the end of the tool. Used
// by the subjects of the drag tools and every observer of construction and grading.
#ifndef CONSTRUCTION_OBSERVER_H
#define CONSTRUCTION_OBSERVER_H

/// One watcher of a subject. It holds no state of its own; the subject never owns it.
class Observer {
public:
  virtual ~Observer() = default;
  /// The tool's geometry changed: redraw the preview.
  virtual void OnMove() = 0;
  /// The tool was abandoned; nothing by default.
  virtual void OnCancel() {}
  /// The tool ended; nothing by default.
  virtual void OnFinish() {}
};

#endif
