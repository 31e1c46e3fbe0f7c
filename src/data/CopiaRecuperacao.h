#pragma once

// The crash-recovery copy of the plan on screen. While the plan holds changes that no save has
// written, the same bytes a save would write are kept in the user's data folder
// (QStandardPaths' generic data location, "sorvane/recuperacao"), never beside the plan: one
// "<chave>.xml" per running copy of the program, with "<chave>.ini" naming the plan file it
// belongs to and "<chave>.trava", the lock that tells a live copy from an abandoned one.
//
// The copy costs the user nothing they can feel. It is taken when the input has been quiet for
// a moment (or, during input that never stops, every few seconds), not on every key: building
// the bytes is the only part on the user's thread; writing them (all or nothing) and syncing
// them run on a thread of their own.
//
// A copy that outlives its program (a crash, a power cut) and is newer than its plan is offered
// at the next start. It goes only when the plan is saved or the user gives up the changes.

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>
#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

class QLockFile;

class CopiaRecuperacao : public QObject {
    Q_OBJECT
public:
    static constexpr int silencioMs = 750;       // of input, before a copy is taken
    static constexpr int esperaMaximaMs = 10000; // during input that never pauses

    static QString pasta();

    // An abandoned copy: its program is gone and the copy is newer than its plan.
    struct Pendente {
        QString chave;
        QString plano; // absolute; empty for a plan that had no file
        QDateTime momento;
    };
    static QList<Pendente> pendentes(); // newest first
    static QByteArray ler(const QString &chave);

    // Asked when the input is quiet: whether the screens hold changes (`bytes` is then what a
    // save would write), hold none, or are in the middle of being rebuilt.
    enum class Estado { alterado, salvo, ocupado };
    using Avaliacao = std::function<Estado(QByteArray &bytes)>;

    explicit CopiaRecuperacao(Avaliacao avaliar);
    ~CopiaRecuperacao() override; // the last write ends first; the copy stays if there is one

    void definirPlano(const QString &plano); // absolute name of the plan's file; empty: none
    void adotar(const QString &chave);       // go on with a recovered copy
    // The work is saved or given up: this copy goes, and so do abandoned copies of `plano`.
    void descartar(const QString &plano = QString());

    void verificarAgora();    // what the quiet moment does
    void aguardarGravacoes(); // until the writing thread has nothing left
    QString chaveAtual() const { return chave; }

protected:
    bool eventFilter(QObject *objeto, QEvent *evento) override;

private:
    struct Tarefa {
        enum class Tipo { gravar, remover, removerDoPlano } tipo;
        QString chave;
        QString plano;
        QByteArray bytes;
    };
    static QList<Pendente> abandonadas();
    void enfileirar(Tarefa tarefa);
    void trabalhar();
    static void executar(const Tarefa &tarefa);

    Avaliacao avaliar;
    QString chave;
    QString plano;
    std::unique_ptr<QLockFile> trava;
    QByteArray ultimaCopia; // what the last write was given; empty: no copy
    QTimer silencio;
    QTimer esperaMaxima;

    std::mutex mutex;
    std::condition_variable sinal;
    std::condition_variable ocioso;
    std::deque<Tarefa> tarefas;
    bool trabalhando = false;
    bool fim = false;
    std::thread trabalhador;
};
