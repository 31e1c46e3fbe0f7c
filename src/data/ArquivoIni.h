#pragma once

// A small INI file: "[secao]" lines, then "chave=valor" lines, values unquoted and written as
// they are (accents in UTF-8, never escaped). Section and key names compare case-blind, as the
// classic INI layer does. Lines this class does not understand are kept when it writes.

#include <QString>
#include <QStringList>

class ArquivoIni {
public:
    explicit ArquivoIni(const QString &arquivo); // reads the file when it exists

    QString ler(const QString &secao, const QString &chave, const QString &padrao) const;
    void escrever(const QString &secao, const QString &chave, const QString &valor);

    // Writes the whole file through a temporary one; false, with erro() set, on failure.
    bool gravar();
    QString erro() const { return ultimoErro; }

    QString conteudo() const; // the text gravar() writes

private:
    qsizetype linhaDaSecao(const QString &secao) const; // -1 when missing
    qsizetype linhaDaChave(qsizetype secao, const QString &chave) const;

    QString arquivo;
    QStringList linhas;
    QString ultimoErro;
};
