#include "widgets/MemoLimitado.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QTextBlock>
#include <limits>

namespace {

QString quebrasComoLf(QString texto)
{
    texto.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    texto.replace(u'\r', u'\n');
    return texto;
}

bool ehEnter(const QKeyEvent *evento)
{
    return evento->key() == Qt::Key_Return || evento->key() == Qt::Key_Enter;
}

// Mirrors the text control's own test, so shortcuts are never counted as typing.
bool insereTexto(const QKeyEvent *evento)
{
    if (ehEnter(evento))
        return true;
    const QString texto = evento->text();
    const Qt::KeyboardModifiers modificadores = evento->modifiers();
    if (modificadores.testFlag(Qt::ControlModifier) && !modificadores.testFlag(Qt::AltModifier))
        return false;
    return !texto.isEmpty() && texto.at(0).isPrint();
}

// Never leaves half of a surrogate pair behind.
QString cortar(const QString &texto, int tamanho)
{
    if (tamanho >= texto.size())
        return texto;
    if (tamanho > 0 && texto.at(tamanho - 1).isHighSurrogate())
        --tamanho;
    return texto.left(std::max(0, tamanho));
}

} // namespace

MemoLimitado::MemoLimitado(QWidget *pai) : QPlainTextEdit(pai)
{
    setTabChangesFocus(true);
}

void MemoLimitado::definirLimite(int caracteres)
{
    limiteDigitacao = std::max(0, caracteres);
}

QString MemoLimitado::texto() const
{
    // toPlainText() would turn non-breaking spaces into plain ones.
    QString texto = document()->toRawText();
    texto.replace(QChar::ParagraphSeparator, u'\n');
    return texto;
}

void MemoLimitado::definirTexto(const QString &texto)
{
    setPlainText(quebrasComoLf(texto));
}

int MemoLimitado::espacoLivre() const
{
    if (limiteDigitacao == 0)
        return std::numeric_limits<int>::max();
    const QTextCursor cursor = textCursor();
    const int selecionados = cursor.selectionEnd() - cursor.selectionStart();
    const int tamanho = document()->characterCount() - 1;
    // A longer text set in code can be shortened, never lengthened.
    return std::max(limiteDigitacao, tamanho) - (tamanho - selecionados);
}

void MemoLimitado::keyPressEvent(QKeyEvent *evento)
{
    if (insereTexto(evento)) {
        const int tamanho = ehEnter(evento) ? 1 : static_cast<int>(evento->text().size());
        if (tamanho > espacoLivre()) {
            evento->accept();
            return;
        }
    }
    if (ehEnter(evento) && evento->modifiers().testFlag(Qt::ShiftModifier)) {
        // Shift+Enter would insert a line separator, which the plan file would not keep as a
        // line break; it breaks the line like Enter does.
        QKeyEvent enter(evento->type(), evento->key(),
                        evento->modifiers() & ~Qt::KeyboardModifiers(Qt::ShiftModifier),
                        evento->text(), evento->isAutoRepeat(), evento->count());
        QPlainTextEdit::keyPressEvent(&enter);
        evento->setAccepted(enter.isAccepted());
        return;
    }
    QPlainTextEdit::keyPressEvent(evento);
}

void MemoLimitado::inputMethodEvent(QInputMethodEvent *evento)
{
    const int espaco = espacoLivre();
    if (evento->commitString().size() <= espaco) {
        QPlainTextEdit::inputMethodEvent(evento);
        return;
    }
    QInputMethodEvent cortado(evento->preeditString(), evento->attributes());
    cortado.setCommitString(cortar(evento->commitString(), espaco), evento->replacementStart(),
                            evento->replacementLength());
    QPlainTextEdit::inputMethodEvent(&cortado);
}

void MemoLimitado::insertFromMimeData(const QMimeData *origem)
{
    if (limiteDigitacao == 0 || !origem->hasText()) {
        QPlainTextEdit::insertFromMimeData(origem);
        return;
    }
    const QString texto = cortar(quebrasComoLf(origem->text()), espacoLivre());
    if (texto.isEmpty())
        return;
    QMimeData cortado;
    cortado.setText(texto);
    QPlainTextEdit::insertFromMimeData(&cortado);
}
