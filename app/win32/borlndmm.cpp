// Our borlndmm.dll: blocks come from the process heap, which every module of the process shares.
#define ESC_BUILDING_MEMORY_MANAGER
#include <windows.h>

#include "memory_manager.h"

extern "C" {

void* __attribute__((regparm(1))) GetMemory(int size) {
  if (size < 0) return nullptr;
  return HeapAlloc(GetProcessHeap(), 0, size == 0 ? 1 : static_cast<SIZE_T>(size));
}

int __attribute__((regparm(1))) FreeMemory(void* block) {
  if (block == nullptr) return 0;
  return HeapFree(GetProcessHeap(), 0, block) ? 0 : 1;
}

void* __attribute__((regparm(2))) ReallocMemory(void* block, int size) {
  if (size < 0) return nullptr;
  if (block == nullptr) return GetMemory(size);
  return HeapReAlloc(GetProcessHeap(), 0, block, size == 0 ? 1 : static_cast<SIZE_T>(size));
}
}
