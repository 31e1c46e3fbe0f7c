#pragma once

// The control of the fault-injection shim (CalcoFalhas.cpp), which the tests that need it load
// with LD_PRELOAD. It stands between the program and the C library's write, fsync, fdatasync,
// rename, renameat, renameat2 and linkat, passes every call through while disarmed, and makes
// one chosen call on a file directly inside one folder fail with a chosen errno: a disk that
// fills up, a quota, an I/O error, exactly where the test says. Tests find these functions with
// dlsym, so nothing links the shim but the preload.

extern "C" {

enum SorvaneOperacao { sorvaneEscrita = 1, sorvaneSincronia = 2, sorvaneRenomeacao = 3 };

// Arms one failure on files directly in `pasta` (an absolute path); hidden files there (a
// plan's lock) are left alone. A write fails when it
// reaches byte `posicao` of its file: the bytes before it are written first, as a disk that
// fills up does, and the next write fails. A sync or a rename (or the link that stands for
// one) fails at its first call. The failure fires once, then the shim is disarmed.
void sorvane_falha_armar(int operacao, int erro, long long posicao, const char *pasta);
void sorvane_falha_desarmar();
int sorvane_falha_disparos(); // failures fired since the last arming
}
