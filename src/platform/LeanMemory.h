#pragma once

// Large blocks of memory (a canvas, an undo snapshot, a drawing as loaded) come
// from the system on their own and go back to it when freed. The C library
// would otherwise serve them from its heap once a first one has been freed,
// and the heap keeps the holes freed pictures leave: over a morning of clicks
// the program then holds several canvases' worth of memory it no longer uses.
// Called first thing in main().
void keepLargeBlocksApart();
