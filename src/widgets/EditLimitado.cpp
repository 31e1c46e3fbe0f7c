#include "widgets/EditLimitado.h"

#include <QKeyEvent>
#include <QValidator>
#include <algorithm>
#include <limits>

namespace {

// What the user put in ends at the cursor, and the text after the cursor is as it was; only
// that part becomes capitals.
QString maiusculasNoInserido(const QString &anterior, QString novo, qsizetype cursor)
{
    cursor = std::clamp<qsizetype>(cursor, 0, novo.size());
    const qsizetype fimComum = std::min(cursor, anterior.size() - (novo.size() - cursor));
    qsizetype inicio = 0;
    while (inicio < fimComum && anterior.at(inicio) == novo.at(inicio))
        ++inicio;
    for (qsizetype i = inicio; i < cursor; ++i)
        novo[i] = novo.at(i).toUpper();
    return novo;
}

} // namespace

class EditLimitado::Maiusculas : public QValidator {
public:
    explicit Maiusculas(EditLimitado *edicao) : QValidator(edicao), edicao(edicao) {}

    State validate(QString &entrada, int &cursor) const override
    {
        if (!edicao->definindo)
            entrada = maiusculasNoInserido(edicao->textoAtual, entrada, cursor);
        return Acceptable;
    }

private:
    EditLimitado *edicao;
};

EditLimitado::EditLimitado(int limite, QWidget *pai) : QLineEdit(pai), limiteDigitacao(limite)
{
    setMaxLength(limiteDigitacao);
    connect(this, &QLineEdit::textChanged, this, &EditLimitado::acompanharTexto);
}

void EditLimitado::definirTexto(const QString &texto)
{
    definindo = true;
    setMaxLength(std::numeric_limits<int>::max());
    setText(texto);
    definindo = false;
    acompanharTexto();
    setCursorPosition(0);
}

bool EditLimitado::event(QEvent *evento)
{
    if (evento->type() == QEvent::ShortcutOverride) {
        const auto *tecla = static_cast<QKeyEvent *>(evento);
        if ((tecla->matches(QKeySequence::Undo) && !isUndoAvailable()) ||
            (tecla->matches(QKeySequence::Redo) && !isRedoAvailable())) {
            evento->ignore();
            return true;
        }
    }
    return QLineEdit::event(evento);
}

void EditLimitado::usarMaiusculas()
{
    setValidator(new Maiusculas(this));
}

void EditLimitado::acompanharTexto()
{
    textoAtual = text();
    const int maximo = std::max<int>(limiteDigitacao, static_cast<int>(textoAtual.size()));
    if (maxLength() == maximo)
        return;
    // Setting the maximum sets the text again, which would move the cursor to the end.
    const int cursor = cursorPosition();
    setMaxLength(maximo);
    setCursorPosition(cursor);
}
