// Export and import of the library's classes, functions and globals. Off Windows (the
// native fuzzing build of the stream codec) there is nothing to export.
#pragma once

#if !defined(_WIN32)
#define KVOBJ_API
#elif defined(KVOBJ_BUILD)
#define KVOBJ_API __declspec(dllexport)
#else
#define KVOBJ_API __declspec(dllimport)
#endif
