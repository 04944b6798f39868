// The one export marker of libzr_universaltypes.
//
// The library is built with hidden visibility: only classes, data and
// functions marked UTYPES_API leave the shared object (or DLL). Flat functions
// also carry C linkage through UTYPES_C_API, so hosts find them under their
// plain, undecorated names.
#ifndef UNIVERSALTYPES_EXPORT_H
#define UNIVERSALTYPES_EXPORT_H

#if defined(_WIN32) || defined(__CYGWIN__)
#  if defined(ZR_UNIVERSALTYPES_BUILD)
#    define UTYPES_API __declspec(dllexport)
#  else
#    define UTYPES_API __declspec(dllimport)
#  endif
#else
#  define UTYPES_API __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
#  define UTYPES_C_API extern "C" UTYPES_API
#else
#  define UTYPES_C_API UTYPES_API
#endif

#endif  // UNIVERSALTYPES_EXPORT_H
