// The host's interactive input calls: keywords, points, distances, texts and the raw
// input reader. Each takes its answer from the host's input queue (a script line, a typed
// line or a test's answer); an exhausted queue answers RTCAN, so nothing waits forever.
// Points are in the user coordinate system. Used by the system's prompts and drag tools.
#ifndef PLATFORM_ED_USERINPUT_H
#define PLATFORM_ED_USERINPUT_H

#include "ed/ResultBuffer.h"

/// Input-control bits of zcedInitGet.
enum {
  RSG_NONULL = 1,   // Enter alone is refused and the prompt repeats
  RSG_NOZERO = 2,   // a zero number is refused
  RSG_NONEG = 4,    // a negative number is refused
  RSG_OTHER = 128,  // any other text is returned as RTKWORD
};

/// Sets the control bits and the keywords (blank-separated; capital letters mark each
/// one's shortcut) for the next input call only. RTNORM.
int zcedInitGet(int flags, const wchar_t* keywords);

/// Asks for one of the keywords set by zcedInitGet and copies the keyword as listed into
/// `result` (at least 133 characters). RTNORM; RTNONE for Enter when allowed; RTCAN.
/// Input that names no keyword is refused with a message and asked again.
int zcedGetKword(const wchar_t* prompt, wchar_t* result);
/// The keyword (or, under RSG_OTHER, the text) of the last RTKWORD answer. RTNORM.
int zcedGetInput(wchar_t* result);

/// Asks for a point ("x,y", "x,y,z", "@dx,dy", "@d<angle"). RTNORM with the point, RTNONE
/// for Enter, RTKWORD for a keyword, RTCAN. `base` (may be null) is the rubber band's
/// start. The answer becomes the last point.
int zcedGetPoint(const ads_point base, const wchar_t* prompt, ads_point result);
/// Asks for a distance: a number, or a point whose distance from `base` is the answer
/// (without `base`, a second point is asked). RTNORM, RTNONE, RTKWORD or RTCAN.
int zcedGetDist(const ads_point base, const wchar_t* prompt, ads_real* result);
/// Asks for a text of at most 132 characters (`result` holds 133); a longer answer is
/// refused with a message and asked again. With `spaces` 0 the text ends at the first
/// blank. Enter gives RTNORM and the empty text. RTNORM or RTCAN.
int zcedGetString(int spaces, const wchar_t* prompt, wchar_t* result);

/// Raw input for drag loops. `type` receives 2 (a key: result RTSHORT with the code), 3 (a
/// pick: RT3DPOINT) or 5 (cursor motion, only when `track` is nonzero: RT3DPOINT). A typed
/// line arrives as its characters followed by Enter (13); Enter alone is key 13. RTNORM,
/// or RTCAN when cancelled or when the queue is exhausted.
int zcedGrRead(int track, int* type, resbuf* result);

#endif
