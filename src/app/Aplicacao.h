#pragma once

// The application object. Any exception escaping an event handler ends here and is shown in
// an error box with its own message; the program then goes on.

#include <QApplication>
#include <QTimer>
#include <functional>

class Aplicacao : public QApplication {
    Q_OBJECT
public:
    Aplicacao(int &argc, char **argv);
    bool notify(QObject *receptor, QEvent *evento) override;

    // Portuguese for Qt's own dialogs and buttons; the system locale, or Portuguese (Brazil)
    // when the system has only the bare C locale.
    static void configurarIdioma();

    // Runs `tarefa` once, before anything can change what the program holds: ahead of the first
    // event that does more than lay out or paint (input, focus leaving, timers, queued calls,
    // messages from other programs), or a moment after it was given, once what the command
    // changed is on screen, whichever comes first. Without this application object there is
    // nothing to wait for, and it runs at once. A task given while one waits runs that one
    // first.
    static void antesDaProximaEdicao(std::function<void()> tarefa);
    // Timers and queued calls of `receptor` only build what the screens show from what they
    // already hold.
    static void declararSoExibicao(const QObject *receptor);

private:
    static void executarPendente();

    // Long enough for what a command changed to reach the screen first.
    static constexpr int esperaOciosaMs = 50;
    QTimer ociosidade;
};
