// The record-writer library's interface: every exported function, expanded from functions.def.
#pragma once

#include <cstdint>

#include "params.h"
#include "text.h"

// The standard 32-bit Windows convention (callee pops, arguments pushed last to first) on 32-bit
// Windows; the platform's own convention elsewhere.
#if defined(_WIN32) && !defined(_WIN64)
#define ESC_CALLCONV __stdcall
#else
#define ESC_CALLCONV
#endif

#if defined(_WIN32)
#if defined(ESC_BUILDING_LIBRARY)
#define ESC_API __declspec(dllexport)
#else
#define ESC_API __declspec(dllimport)
#endif
#else
#define ESC_API __attribute__((visibility("default")))
#endif

extern "C" {
#define ESC_RECORD(name, argc) ESC_API std::int32_t ESC_CALLCONV name(ESC_PARAMS_##argc);
#define ESC_VALIDATOR(name, argc) ESC_API std::uint8_t ESC_CALLCONV name(ESC_PARAMS_##argc);
#define ESC_CONTROL(name, argc) ESC_API std::int32_t ESC_CALLCONV name(ESC_PARAMS_##argc);
#include "functions.def"
}
