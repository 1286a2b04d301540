// Export and import of the library's classes, functions and globals.
#pragma once

#ifdef KVOBJ_BUILD
#define KVOBJ_API __declspec(dllexport)
#else
#define KVOBJ_API __declspec(dllimport)
#endif
