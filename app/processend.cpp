#include "processend.h"

#include <cstdio>
#include <cstdlib>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

void endProcess(int code) {
  std::fflush(nullptr);
#if defined(__SANITIZE_ADDRESS__)
  // _Exit skips the leak check a sanitized build makes at exit: make it here.
  __lsan_do_leak_check();
#endif
  std::_Exit(code);
}
