// Runs a call into code the library does not trust (a viewer plug-in) so that a processor
// fault inside it (an access violation, a division by zero, ...) comes back as a failed call
// instead of ending the process with the user's unsaved memo.
#pragma once

// Calls call(context): true when it returned, false when it faulted. After a fault nothing
// of the call's own frames is unwound; whatever it held is abandoned.
bool KVRunGuarded(void (*call)(void*), void* context);

template <typename Call>
bool KVRunGuarded(Call& call) {
  return KVRunGuarded([](void* c) { (*static_cast<Call*>(c))(); }, &call);
}
