// The host's libraries are built with hidden visibility: a name is part of
// what a library offers another program only when its declaration carries
// HOST_API (a class, for all its out-of-line members, typeinfo and vtable;
// a free function, for itself).
#pragma once

#define HOST_API __attribute__((visibility("default")))
