#pragma once
// Symbol export for the model database library and the utility libraries
// that ship with it (exceptions, text stream, geometry).
#if defined(_WIN32)
#  if defined(MDB_BUILDING)
#    define MDB_API __declspec(dllexport)
#  else
#    define MDB_API __declspec(dllimport)
#  endif
#else
#  define MDB_API __attribute__((visibility("default")))
#endif
