#pragma once
#include <QStringList>

#include <ostream>

// The program's command line: --help, --version and --report DAY MONTH YEAR. It answers on its
// own, without a window, a display, the settings or the single-instance check, and gives the
// process's exit code: 0 when it answered, 1 when the answer could not be written to out (the
// reason on err), 2 when it refused the arguments (the reason on err).
// arguments are the whole command line, the program's name first; the toolkit's own options in it
// are passed over.
int RunCommandLine(const QStringList &arguments, std::ostream &out, std::ostream &err);

// Whether the arguments ask for the command line: anything besides the toolkit's own options
// (-platform, -display, -style, -session from a session manager's restart, ...), which start the
// window as before. A mistyped option or a stray value is the command line's to refuse, so that
// it never opens a window nobody asked for.
bool IsCommandLineRequest(int argc, const char *const argv[]);

// The arguments without the toolkit's own options, the program's name first.
QStringList WithoutToolkitOptions(const QStringList &arguments);
