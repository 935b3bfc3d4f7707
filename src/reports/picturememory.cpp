#include "picturememory.h"

#if __has_include(<malloc.h>)
#include <malloc.h>
#endif

void PictureMemory::keepOnHeap()
{
#if defined(__GLIBC__) && defined(M_MMAP_THRESHOLD) && defined(M_TRIM_THRESHOLD)
    // Fixed thresholds, where the library's own ones grow only to the size
    // of the last block freed: the next picture, as large, was mapped again.
    static const bool done = mallopt(M_MMAP_THRESHOLD, 32 * 1024 * 1024) == 1
        && mallopt(M_TRIM_THRESHOLD, 64 * 1024 * 1024) == 1;
    (void)done;
#endif
}
