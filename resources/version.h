// Wordloft's version, the one place it is written. The resource script's
// version information includes this file, and the release packaging reads
// the same lines (the zip and installer names, the installer's registry
// entries). The menu's About items show "v" followed by
// WORDLOFT_VERSION_SHORT; a check of the release keeps them in step.
#ifndef WORDLOFT_VERSION_H
#define WORDLOFT_VERSION_H

#define WORDLOFT_VERSION_MAJOR 1
#define WORDLOFT_VERSION_MINOR 2
#define WORDLOFT_VERSION_PATCH 0
#define WORDLOFT_VERSION_BUILD 0

// Texts: the full four-part version and the short one players see.
#define WORDLOFT_VERSION_FULL  "1.2.0.0"
#define WORDLOFT_VERSION_SHORT "1.2"

#endif
