#ifndef PICTUREMEMORY_H
#define PICTUREMEMORY_H

// The reports paint their pictures anew on every click, a megabyte each
// (800 x 330 pixels), twenty and more in one "Comparar". The C library
// maps every block that large fresh from the system and gives it back when
// freed, so each click had the kernel clear a quarter of a thousand pages
// per picture, a third of the click on the clock (and none of it counted in
// instructions). keepOnHeap() has blocks below 32 MiB come from the heap,
// where a freed picture's memory serves the next; the first call does it,
// the others nothing. Without the GNU C library it does nothing.
class PictureMemory
{
public:
    static void keepOnHeap();
};

#endif // PICTUREMEMORY_H
