#pragma once

// A one-line edit whose limit bounds what the user types, pastes or drops. A text set with
// definirTexto (one read from a plan file) is shown and kept whole, even beyond the limit, and
// the user can shorten it but never make it longer: the edit's maximum follows the text down
// to the limit. QLineEdit::setText still cuts at the current maximum, so code sets texts here.

#include <QLineEdit>

class EditLimitado : public QLineEdit {
    Q_OBJECT
public:
    explicit EditLimitado(int limite, QWidget *pai = nullptr);

    int limite() const { return limiteDigitacao; }
    void definirTexto(const QString &texto);

    // Letters the user puts in become capitals; texts set in code keep their case.
    void usarMaiusculas();

protected:
    // Ctrl+Z and Ctrl+Shift+Z stay the edit's while it has typing to take back or make again;
    // then they reach the window's "Desfazer" and "Refazer".
    bool event(QEvent *evento) override;

private:
    class Maiusculas;

    void acompanharTexto();

    int limiteDigitacao;
    QString textoAtual; // the text before the change under way, for Maiusculas
    bool definindo = false;
};
