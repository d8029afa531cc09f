# Sources of this area: portable ones into corvane_core, *_win32.cpp into corvane_win32.
