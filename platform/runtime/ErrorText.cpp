// The host's text for each status value.
#include <map>
#include <string>

#include "ed/ErrorStatus.h"

const wchar_t* zcadErrorStatusText(int status) {
  static const std::map<int, const wchar_t*> kTexts = {
      {Zcad::eOk, L"eOk"},
      {Zcad::eNotImplementedYet, L"eNotImplementedYet"},
      {Zcad::eNotApplicable, L"eNotApplicable"},
      {Zcad::eInvalidInput, L"eInvalidInput"},
      {Zcad::eAmbiguousInput, L"eAmbiguousInput"},
      {Zcad::eAmbiguousOutput, L"eAmbiguousOutput"},
      {Zcad::eOutOfMemory, L"eOutOfMemory"},
      {Zcad::eBufferTooSmall, L"eBufferTooSmall"},
      {Zcad::eInvalidOpenState, L"eInvalidOpenState"},
      {Zcad::eNullHandle, L"eNullHandle"},
      {Zcad::eUnknownHandle, L"eUnknownHandle"},
      {Zcad::eNullObjectPointer, L"eNullObjectPointer"},
      {Zcad::eNullObjectId, L"eNullObjectId"},
      {Zcad::eNullBlockName, L"eNullBlockName"},
      {Zcad::eContainerNotEmpty, L"eContainerNotEmpty"},
      {Zcad::eNullEntityPointer, L"eNullEntityPointer"},
      {Zcad::eIllegalEntityType, L"eIllegalEntityType"},
      {Zcad::eKeyNotFound, L"eKeyNotFound"},
      {Zcad::eDuplicateKey, L"eDuplicateKey"},
      {Zcad::eInvalidIndex, L"eInvalidIndex"},
      {Zcad::eDuplicateIndex, L"eDuplicateIndex"},
      {Zcad::eAlreadyInDb, L"eAlreadyInDb"},
      {Zcad::eDeletedEntry, L"eDeletedEntry"},
      {Zcad::eNegativeValueNotAllowed, L"eNegativeValueNotAllowed"},
      {Zcad::eInvalidExtents, L"eInvalidExtents"},
      {Zcad::eNotThatKindOfClass, L"eNotThatKindOfClass"},
      {Zcad::eInvalidKey, L"eInvalidKey"},
      {Zcad::eOutOfRange, L"eOutOfRange"},
      {Zcad::eInvalidDxfCode, L"eInvalidDxfCode"},
      {Zcad::eFileAccessErr, L"eFileAccessErr"},
      {Zcad::eFileNotFound, L"eFileNotFound"},
      {Zcad::eWasErased, L"eWasErased"},
      {Zcad::eWasNotOpenForWrite, L"eWasNotOpenForWrite"},
      {Zcad::eWasOpenForRead, L"eWasOpenForRead"},
      {Zcad::eWasOpenForWrite, L"eWasOpenForWrite"},
      {Zcad::eInvalidDwgVersion, L"eInvalidDwgVersion"},
      {Zcad::eNoInputFiles, L"eNoInputFiles"},
      {Zcad::eNotInDatabase, L"eNotInDatabase"},
      {Zcad::eNonCoplanarGeometry, L"eNonCoplanarGeometry"},
      {Zcad::eDegenerateGeometry, L"eDegenerateGeometry"},
      {Zcad::eIsWriteProtected, L"eIsWriteProtected"},
      {Zcad::eUserBreak, L"eUserBreak"},
      {Zcad::eWrongObjectType, L"eWrongObjectType"},
      {Zcad::eInvalidAdsName, L"eInvalidAdsName"},
      {Zcad::eFileWriteError, L"eFileWriteError"},
      {Zcad::eUnknownStatus, L"eUnknownStatus"},
      {Zcad::eNullIterator, L"eNullIterator"},
  };
  auto it = kTexts.find(status);
  return it == kTexts.end() ? L"eUnrecognizedStatus" : it->second;
}
