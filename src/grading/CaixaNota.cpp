#include "grading/CaixaNota.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QKeyEvent>

namespace {

constexpr int notaMaxima = 10;
constexpr int nenhuma = -1;
constexpr int separador = -2;

bool temModificador(const QKeyEvent &evento)
{
    return evento.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
}

} // namespace

int notaDigitada(int anterior, int digito)
{
    if (anterior >= 0) {
        const int junto = anterior * 10 + digito;
        if (junto <= notaMaxima)
            return junto;
    }
    return digito;
}

CaixaNota::CaixaNota(QWidget *pai) : CaixaItensFixos(pai) {}

int CaixaNota::lerTecla(const QKeyEvent &evento)
{
    const QString texto = evento.text();
    const QChar tecla = texto.size() == 1 ? texto.front() : QChar();
    const bool digito = tecla.isDigit();
    if (temModificador(evento) || !(digito || tecla == u',' || tecla == u'.')) {
        anterior = nenhuma;
        decimais = false;
        return nenhuma;
    }
    const bool seguida =
        evento.timestamp() - instante < static_cast<quint64>(QApplication::keyboardInputInterval());
    instante = evento.timestamp();
    if (!seguida) {
        anterior = nenhuma;
        decimais = false;
    }
    if (!digito) {
        decimais = anterior != nenhuma;
        return separador;
    }
    if (decimais)
        return separador;
    anterior = notaDigitada(anterior, tecla.digitValue());
    return anterior;
}

void CaixaNota::keyPressEvent(QKeyEvent *evento)
{
    const int nota = lerTecla(*evento);
    if (nota == nenhuma)
        return QComboBox::keyPressEvent(evento);
    if (nota != separador && nota != currentIndex()) {
        setCurrentIndex(nota);
        Q_EMIT activated(nota);
        Q_EMIT textActivated(currentText());
    }
    evento->accept();
}

// The open list searches as the closed box did; a typed grade is highlighted there instead.
void CaixaNota::showPopup()
{
    if (!listaVigiada)
        view()->installEventFilter(this);
    listaVigiada = true;
    QComboBox::showPopup();
}

bool CaixaNota::eventFilter(QObject *objeto, QEvent *evento)
{
    if (objeto != view() || evento->type() != QEvent::KeyPress)
        return QComboBox::eventFilter(objeto, evento);
    const int nota = lerTecla(*static_cast<QKeyEvent *>(evento));
    if (nota == nenhuma)
        return false;
    if (nota != separador)
        view()->setCurrentIndex(model()->index(nota, modelColumn(), rootModelIndex()));
    return true;
}
