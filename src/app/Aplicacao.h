#pragma once

// The application object. Any exception escaping an event handler ends here and is shown in
// an error box with its own message; the program then goes on.

#include <QApplication>

class Aplicacao : public QApplication {
    Q_OBJECT
public:
    Aplicacao(int &argc, char **argv);
    bool notify(QObject *receptor, QEvent *evento) override;

    // Portuguese for Qt's own dialogs and buttons; the system locale, or Portuguese (Brazil)
    // when the system has only the bare C locale.
    static void configurarIdioma();
};
