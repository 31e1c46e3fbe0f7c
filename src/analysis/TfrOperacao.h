#pragma once

// One operation of a cause: eight free texts (who, what, physical, human and financial
// resources, deadline, expected results, evaluation), each with its typing limit, in the order
// the plan file keeps them (OperacoesCausa reads and writes them).

#include "analysis/OperacoesCausa.h"

#include <QFrame>
#include <array>

class MemoLimitado;
class QLabel;

class TfrOperacao : public QFrame {
    Q_OBJECT
public:
    static constexpr int largura = 739;
    static constexpr int altura = 501;
    static constexpr int numCampos = OperacoesCausa::numCampos;

    explicit TfrOperacao(QWidget *pai = nullptr);

    MemoLimitado *memo(int campo) const;
    QString texto(int campo) const;
    void definirTexto(int campo, const QString &texto);
    OperacoesCausa::Textos textos() const;
    void definirTextos(const OperacoesCausa::Textos &textos);

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
