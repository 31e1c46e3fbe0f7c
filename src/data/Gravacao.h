#pragma once

// The one road by which the program writes a whole file (the plan, config.ini, PDFs, the
// recovery copy): all of it or nothing. The bytes go unbuffered to a temporary file beside the
// target, which counts only once every write and its sync to disk have succeeded; then it is
// renamed over the target. QSaveFile::commit() alone is not enough: it buffers writes under
// 16 KB, forgets a flush that failed and ignores a failed sync, and then renames an empty or
// short file over the old one.
//
// Where the folder refuses the temporary file but the file itself may be written (a plan kept
// in a read-only folder), the file is written in place without truncating it first, and a
// failure writes the old bytes back over the blocks they already held.

#include <QByteArray>
#include <QString>

// False when the old file (or no file) is left as it was; `motivo` then says why, in the
// system's words.
bool gravarArquivoInteiro(const QString &arquivo, const QByteArray &bytes,
                          QString *motivo = nullptr);
