#pragma once

// Reading and decoding of the text files the program reads (plans, config.ini, the user guide):
// UTF-8 when the bytes are valid UTF-8, Windows-1252 otherwise, so older files with accents
// still read correctly.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// A file read whole, or why it was not. Only regular files are opened: a FIFO would wait for a
// writer for ever, and a device such as /dev/zero never ends. No more than the limit is ever
// read, whatever the file system says the size is.
struct ArquivoLido {
    enum class Falha { nenhuma, naoEhArquivoComum, naoAbriu, grandeDemais };
    Falha falha = Falha::nenhuma;
    QByteArray bytes;
    QString motivo;     // the system's reason when it did not open or read
    qint64 tamanho = 0; // the size the file system gives, for a file over the limit
    bool lido() const { return falha == Falha::nenhuma; }
};
ArquivoLido lerArquivoComum(const QString &arquivo, qint64 limite);

bool ehUtf8Valido(const QByteArray &bytes);
// UTF-8 as text, every character kept: QString::fromUtf8 drops a leading U+FEFF.
QString utf8ParaTexto(QByteArrayView bytes);
QString decodificarTexto(const QByteArray &bytes);
QByteArray windows1252ParaUtf8(const QByteArray &bytes);
