#pragma once
// Host routines are reached through their addresses with the host's own
// calling conventions; both toolchains spell them with GCC attributes.
#define HOST_CDECL __attribute__((cdecl))
#define HOST_THISCALL __attribute__((thiscall))
