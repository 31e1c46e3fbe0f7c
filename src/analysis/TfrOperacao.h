#pragma once

// One operation of a cause: eight free texts (who, what, physical, human and financial
// resources, deadline, expected results, evaluation), each with its typing limit. The plan
// file keeps them as eight elements in this order.

#include "analysis/OperacoesCausa.h"

#include <QFrame>
#include <array>

class ElementoXml;
class ListaNos;
class MemoLimitado;
class QLabel;

class TfrOperacao : public QFrame {
    Q_OBJECT
public:
    static constexpr int largura = 739;
    static constexpr int altura = 501;
    static constexpr int numCampos = OperacoesCausa::numCampos;

    explicit TfrOperacao(QWidget *pai = nullptr);

    // Fields in file order: quem, oque, fisico, humano, financeiro, prazo, resultado, avaliacao.
    static QString nomeElemento(int campo);
    MemoLimitado *memo(int campo) const;
    QString texto(int campo) const;
    void definirTexto(int campo, const QString &texto);

    void gravar(ElementoXml operacao) const; // appends the eight field elements
    void ler(const ListaNos &filhos);        // by position; raises when a field is missing

    QLabel *lblQuem = nullptr;
    MemoLimitado *memoQuem = nullptr;
    QLabel *lblOQue = nullptr;
    MemoLimitado *memoOQue = nullptr;
    QLabel *lblFisicos = nullptr;
    MemoLimitado *memoRecFisicos = nullptr;
    QLabel *lblRecursos = nullptr;
    QLabel *lblHumanos = nullptr;
    MemoLimitado *memoRecHumanos = nullptr;
    QLabel *lblFinanceiros = nullptr;
    MemoLimitado *memoRecFinanceiros = nullptr;
    QLabel *lblPrazo = nullptr;
    MemoLimitado *memoPrazo = nullptr;
    QLabel *lblResultados = nullptr;
    MemoLimitado *memoResultados = nullptr;
    QLabel *lblEsperados = nullptr;
    QLabel *lblAvaliacao = nullptr;
    MemoLimitado *memoAvaliacao = nullptr;

private:
    std::array<MemoLimitado *, numCampos> memos{};
};
