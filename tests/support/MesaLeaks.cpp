// Mesa's off-screen driver keeps the framebuffer of a context made current
// after the context is destroyed; that is the library's, not ours. Linked
// into the test programs that draw with it and no host text (whose font
// code names the same suppressions for the programs that have both).
#if defined(__SANITIZE_ADDRESS__)
extern "C" const char* __lsan_default_suppressions() { return "leak:libOSMesa.so\n"; }
#endif
