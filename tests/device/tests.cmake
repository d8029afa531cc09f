# Tests of this area: core ones into corvane_core_tests, Win32 ones into corvane_win32_tests.
