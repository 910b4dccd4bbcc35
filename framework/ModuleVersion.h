// The version every module of the system carries: the resource scripts' VERSIONINFO reads
// these numbers (the resource compiler takes the "#define"s of this header), and the main
// module's banner prints the first three. One place to change at a release.
#ifndef FRAMEWORK_MODULEVERSION_H
#define FRAMEWORK_MODULEVERSION_H

#define FASTRELLE_VERSION_MAJOR 2018
#define FASTRELLE_VERSION_MINOR 0
#define FASTRELLE_VERSION_BUILD 5
#define FASTRELLE_VERSION_REVISION 0

#define FASTRELLE_VERSION_STRING_(x) #x
#define FASTRELLE_VERSION_STRING(x) FASTRELLE_VERSION_STRING_(x)
/// "2018.0.5": the version as the banner prints it.
#define FASTRELLE_BANNER_VERSION                                                             \
  FASTRELLE_VERSION_STRING(FASTRELLE_VERSION_MAJOR) "." FASTRELLE_VERSION_STRING(FASTRELLE_VERSION_MINOR) "." \
      FASTRELLE_VERSION_STRING(FASTRELLE_VERSION_BUILD)

#endif
