#pragma once
#include <dirent.h>

// Entries of a /proc folder, for checks that threads and descriptors return to
// their baseline.
inline int CountEntries(const char *dir)
{
    int n = 0;
    if (DIR *d = opendir(dir)) {
        while (dirent *e = readdir(d))
            if (e->d_name[0] != '.')
                ++n;
        closedir(d);
    }
    return n;
}
inline int CountThreads() { return CountEntries("/proc/self/task"); }
inline int CountFds() { return CountEntries("/proc/self/fd") - 1; } // less the one reading it
