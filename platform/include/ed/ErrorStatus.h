// Host status values and the result codes of the host's editor functions.
#ifndef PLATFORM_ED_ERRORSTATUS_H
#define PLATFORM_ED_ERRORSTATUS_H

namespace Zcad {
/// Status of a host operation; 0 is success. The numbers are what callers compare with.
enum ErrorStatus {
  eOk = 0,
  eNotImplementedYet = 1,
  eNotApplicable = 2,
  eInvalidInput = 3,
  eAmbiguousInput = 4,
  eAmbiguousOutput = 5,
  eOutOfMemory = 6,
  eBufferTooSmall = 7,
  eInvalidOpenState = 8,
  eNullHandle = 11,
  eUnknownHandle = 13,
  eNullObjectPointer = 15,
  eNullObjectId = 16,
  eNullBlockName = 17,
  eContainerNotEmpty = 18,
  eNullEntityPointer = 19,
  eIllegalEntityType = 20,
  eKeyNotFound = 22,
  eDuplicateKey = 23,
  eInvalidIndex = 24,
  eDuplicateIndex = 25,
  eAlreadyInDb = 26,
  eDeletedEntry = 28,
  eNegativeValueNotAllowed = 29,
  eInvalidExtents = 30,
  eNotThatKindOfClass = 34,
  eInvalidKey = 51,
  eOutOfRange = 55,
  eInvalidDxfCode = 62,
  eFileAccessErr = 72,
  eFileNotFound = 76,
  eWasErased = 80,
  eWasNotOpenForWrite = 82,
  eWasOpenForRead = 87,
  eWasOpenForWrite = 88,
  eInvalidDwgVersion = 93,
  eNoInputFiles = 130,
  eNotInDatabase = 140,
  eNonCoplanarGeometry = 150,
  eDegenerateGeometry = 151,
  eIsWriteProtected = 168,
  eUserBreak = 180,
  eWrongObjectType = 374,
  eInvalidAdsName = 392,
  eFileWriteError = 433,
  eUnknownStatus = 551,
  eNullIterator = 600,
};
}  // namespace Zcad

/// Results of the editor's input and command functions.
enum {
  RTNONE = 5000,
  RTREAL = 5001,
  RTPOINT = 5002,
  RTSHORT = 5003,
  RTANG = 5004,
  RTSTR = 5005,
  RTENAME = 5006,
  RTPICKS = 5007,
  RTORINT = 5008,
  RT3DPOINT = 5009,
  RTLONG = 5010,
  RTVOID = 5014,
  RTLB = 5016,
  RTLE = 5017,
  RTNORM = 5100,
  RTERROR = -5001,
  RTCAN = -5002,
  RTREJ = -5003,
  RTFAIL = -5004,
  RTKWORD = -5005,
};

/// The host's text for a status value; a generic text for a number it does not know.
const wchar_t* zcadErrorStatusText(int status);

#endif
