// Built into every program of a sanitizer build (QAV_SANITIZE): the first report of either
// sanitizer ends the program with an error, and leaks inside Qt's and the system's own
// libraries (lsan.supp) are not reported.
extern "C" {

const char* __asan_default_options() {
  return "halt_on_error=1:abort_on_error=0:detect_leaks=1:strict_string_checks=1:"
         "detect_stack_use_after_return=1:check_initialization_order=1";
}

const char* __ubsan_default_options() {
  return "halt_on_error=1:print_stacktrace=1";
}

const char* __lsan_default_options() {
  return "suppressions=" QAV_LSAN_SUPPRESSIONS ":print_suppressions=0";
}

}  // extern "C"
