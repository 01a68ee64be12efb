#pragma once
#include <cstddef>

// Writes all n bytes to a non-blocking descriptor, waiting up to waitMs each
// time it has no room. Sockets are sent to without SIGPIPE. Returns 0, or the
// error number (ETIMEDOUT when no room came in time).
int WriteFully(int fd, const void *p, size_t n, int waitMs, bool isSocket);
