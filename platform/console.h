// The console of a program that has no console window of its own.
//
// Thread safety: call once, on the main thread, before anything writes to
// standard output or error.
#ifndef QUILLORY_PLATFORM_CONSOLE_H_
#define QUILLORY_PLATFORM_CONSOLE_H_

namespace platform {

// Connects standard output and error of a windowed program (Windows GUI
// subsystem) to a console: the console of the process that started it, or
// else a new console window. A stream that already goes somewhere (a file, a
// pipe) keeps going there. Console control events (Ctrl+C) reach the
// program once it is attached. Does nothing where every program has its
// terminal (POSIX).
void AttachConsoleOutput();

}  // namespace platform

#endif  // QUILLORY_PLATFORM_CONSOLE_H_
