#pragma once

// The road of an untrusted plan file through the whole program, shared by the fuzzer and the
// regression cases: the file opened as "&Abrir plano" opens it (both lists emptied, the data
// module's load, the lists refreshed), the plan on screen saved, that save opened and saved
// again, the three documents built from that save (ballot, minutes, the chart's count pass and
// page 1), and the minutes and the chart built from the bytes as they came. The global objects
// must exist and the working folder must be writable.

#include <QByteArray>
#include <QString>

// Empty when the road held; otherwise what broke. A crash or a sanitizer report ends the
// process instead. A file the program refuses with a message is not a fault.
QString percorrerPlano(const QByteArray &bytes);
