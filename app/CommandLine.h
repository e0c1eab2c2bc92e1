#pragma once
#include <QStringList>

#include <ostream>

// The program's command line: --help, --version and --report DAY MONTH YEAR. It answers on its
// own, without a window, a display, the settings or the single-instance check, and gives the
// process's exit code: 0 when it answered, 2 when it refused the arguments (the reason on err).
// arguments are the whole command line, the program's name first.
int RunCommandLine(const QStringList &arguments, std::ostream &out, std::ostream &err);

// Whether the arguments ask for the command line: one of its own options is among them. Any other
// arguments leave the window program as it always was, Qt's own options (-platform, -session
// from a session manager's restart) included.
bool IsCommandLineRequest(int argc, const char *const argv[]);
