// The shared memory manager borlndmm.dll: the console, the record-writer library and anything else
// in the process allocate through it, so that a block may be freed on the other side of a module
// boundary. Its entry points take their arguments in registers (EAX, EDX), as the classic module's
// plain exports do, so the real module serves in place of ours.
#pragma once

#if defined(ESC_BUILDING_MEMORY_MANAGER)
#define ESC_MM_API __declspec(dllexport)
#else
#define ESC_MM_API __declspec(dllimport)
#endif

extern "C" {
// A new block of at least size bytes, or null.
ESC_MM_API void* __attribute__((regparm(1))) GetMemory(int size);
// Releases a block; 0 when it was released.
ESC_MM_API int __attribute__((regparm(1))) FreeMemory(void* block);
// The block resized (moved if need be, contents kept), or null with the block left as it was.
ESC_MM_API void* __attribute__((regparm(2))) ReallocMemory(void* block, int size);
}
