// Control and inspection of the drawing database for the host program and the tests: a
// fresh working drawing, counts of open objects and of protocol mistakes, the last
// drawing-file error and a failing region union. System code never includes this header.
#ifndef PLATFORM_HEADLESS_DATABASE_H
#define PLATFORM_HEADLESS_DATABASE_H

#include <string>
#include <vector>

class ZcDbDatabase;

namespace headless {

/// Replaces the working database with a new one holding the default drawing (the old one
/// is deleted when the host made it) and resets the counters below. Returns it.
ZcDbDatabase* NewDrawing();
/// Objects open in `db`, or in every live database when null.
int OpenObjectCount(const ZcDbDatabase* db = nullptr);
/// Setters called on objects not open for write, since the last NewDrawing or reset.
int WriteViolations();
/// close() calls on objects that were not open.
int StrayCloses();
void ResetDiagnostics();
/// Makes the `nth` region union from now on (1: the next) fail as a failed boolean
/// operation does (eInvalidInput, both regions unchanged); 0 drops a pending fault.
void FailRegionUnion(int nth);
/// Makes the `nth` XData write from now on (1: the next) fail with eOutOfMemory, the
/// object's XData unchanged; 0 drops a pending fault.
void FailXDataWrite(int nth);
/// The preview `db` carries when it is saved: a device-independent bitmap, written as the
/// file's THUMBNAILIMAGE section (none when empty).
void SetDrawingPreview(ZcDbDatabase& db, std::vector<unsigned char> dib);

/// Turns the database's caches and indexes on or off (on at start): the entities' kept
/// extents, blocks' boxes under each placement, references' placed contents, the spatial
/// index behind windows and picks, the index of entities by type behind "X" selections and
/// the index of each block's references. Off, every answer is worked out from the drawing
/// as it is asked: the same answers, for comparison tests and benchmarks.
void SetCaching(bool on);
bool Caching();

}  // namespace headless

#endif
