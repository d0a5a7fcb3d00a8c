#pragma once
// Symbol export of the writer library: the keyword framework (zkw_), the
// writer entry and the module set-up functions. Everything else is hidden.
#if defined(_WIN32)
#  if defined(OIF_BUILDING)
#    define ZKW_API __declspec(dllexport)
#  else
#    define ZKW_API __declspec(dllimport)
#  endif
#else
#  define ZKW_API __attribute__((visibility("default")))
#endif
