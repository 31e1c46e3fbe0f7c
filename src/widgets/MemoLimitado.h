#pragma once

// A multi-line edit whose limit bounds only what the user types, pastes or drops: texts set in
// code are kept whole, even beyond the limit. Its text is exact: line breaks come back as LF
// and every other character, non-breaking spaces included, as it went in.

#include <QPlainTextEdit>

class MemoLimitado : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit MemoLimitado(QWidget *pai = nullptr);

    int limite() const { return limiteDigitacao; }
    void definirLimite(int caracteres); // 0: no limit

    QString texto() const;
    void definirTexto(const QString &texto);

protected:
    void keyPressEvent(QKeyEvent *evento) override;
    void inputMethodEvent(QInputMethodEvent *evento) override;
    void insertFromMimeData(const QMimeData *origem) override;

private:
    int espacoLivre() const; // counting the selection, which the input replaces
    int limiteDigitacao = 0;
};
