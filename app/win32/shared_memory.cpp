// Makes borlndmm.dll the program's memory manager: every C++ allocation of the program goes through
// it from the very first one, before main and before any static object is built. The array,
// sized, and no-throw forms of the runtime forward to these two.
#include <cstddef>
#include <new>

#include "memory_manager.h"

void* operator new(std::size_t size) {
  if (size > 0x7FFFFFF0u) throw std::bad_alloc();
  if (void* block = GetMemory(static_cast<int>(size))) return block;
  throw std::bad_alloc();
}

void operator delete(void* block) noexcept {
  if (block) FreeMemory(block);
}

void operator delete(void* block, std::size_t) noexcept {
  if (block) FreeMemory(block);
}
