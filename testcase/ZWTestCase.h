// A test case that needs an empty drawing: Initialize refuses a working drawing that holds
// anything, Finish purges the layers and block definitions the case left behind.
#ifndef TESTCASE_ZWTESTCASE_H
#define TESTCASE_ZWTESTCASE_H

#include "testcase/TestCase.h"

class ZWTestCase : public TestCase {
public:
  /// With its own command-line printer.
  ZWTestCase();

  /// True when the working drawing is empty: no entity in model space, no layer but "0" and
  /// "DEFPOINTS" (in any case), no group, no block definition but the layouts. Otherwise
  /// prints the lines "\nDrawing is not empty before test: ", the case's name and the first
  /// reason found, in this order of checks: "modelSpace is not empty", "drawing has
  /// Layers", "drawing has groups", "drawing has Blocks"; false.
  bool Initialize() override;
  /// Purges the layers (but "0" and "DEFPOINTS"), then the block definitions that are not
  /// layouts, then the layers once more (those only the purged blocks used). A layer in
  /// use stays silently; a layer that cannot be opened or closed prints the status and
  /// "failed to purge layer: <name>". A block still referenced (nested references count)
  /// stays with "\nFailed to purge block: <name>". A failure never stops the purge.
  void Finish() override;
  CString GetName() const override { return L"ZWTestCase"; }

  /// "\n", then the value as "%0.6f".
  virtual void PrintDouble(double value);
  /// "\n", then the value as "%i".
  virtual void PrintInt(int value);
  /// "\n", " es: " and the host's text for `status`, "\n".
  virtual void PrintStatus(int status);

  /// The first reason the working drawing is not empty, "" when it is.
  static CString NotEmptyReason();

private:
  void PurgeLayers();
  void PurgeBlocks();
};

#endif
