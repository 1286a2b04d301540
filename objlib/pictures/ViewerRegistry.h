// Which viewer plug-in library draws a file of a given extension.
#pragma once

// Writes into path the library registered for extension (without its dot): the "Plugin"
// settings, or the viewer shipped beside the program for its extension while the user's
// settings have no key for it. False, with path empty, when none is.
bool KVViewerLibraryFor(const char* extension, char* path, int size);
