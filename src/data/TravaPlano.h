#pragma once

// The lock that keeps one plan file to one editor: a hidden file beside the plan
// (".plano.xml.trava" for "plano.xml"), held by the copy of the program that has the plan open,
// on this machine or, through a shared folder, on another. A lock whose holder on this machine
// is gone (a crash, a power cut) is taken over without asking. A folder where no lock can be
// made (read-only) holds none, and the plan opens all the same.

#include <QDateTime>
#include <QString>
#include <memory>

class QLockFile;

class TravaPlano {
public:
    enum class Estado { tomada, semTrava, ocupada };

    static QString arquivoDaTrava(const QString &plano);

    explicit TravaPlano(const QString &plano); // tries to take the lock at once
    ~TravaPlano();                             // gives it back

    TravaPlano(const TravaPlano &) = delete;
    TravaPlano &operator=(const TravaPlano &) = delete;

    Estado estado() const { return situacao; }
    bool de(const QString &plano) const; // the lock of that file?

    // Who holds it, where and since when, for the user: "O plano %1 está aberto por …".
    QString descricaoDoDono() const;

private:
    QString caminho; // the plan's absolute name
    std::unique_ptr<QLockFile> trava;
    Estado situacao = Estado::semTrava;
    QString usuario;
    QString maquina;
    QDateTime desde;
};
