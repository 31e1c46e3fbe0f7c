#pragma once

// What the problem list and the voter categories share: frames in display order inside one
// scroll box, a count, a selected position, component names that keep counting across
// removals, the selection highlight and the stacking from the top. The lists differ in what
// they tell the grade matrix, and when, so adding, removing and selecting stay theirs.
//
// A frame offers `posicao`, `definirPosicao(int)`, `destacar(bool)` and `focar()`. One that
// also offers `reiniciar()`, which sets it back as a new frame is made, is kept hidden when its
// item is removed and given to the next item added: a plan opened over another builds none of
// its rows anew. One that offers `encadearFoco(QWidget *anterior)`, which puts its controls in
// the Tab order after `anterior` and returns its last, is kept in display order for Tab.

#include "app/Fila.h"
#include "app/Lista.h"
#include "widgets/CaixaRolagem.h"

#include <QApplication>
#include <QString>
#include <algorithm>
#include <array>
#include <span>
#include <vector>

template <typename Quadro, int N> class ListaDeQuadros : public Lista {
public:
    int total() const override { return quantidade; }
    int posicaoSelecionada() const { return selecionado; }

    Quadro *quadro(int i) const // nullptr outside the list
    {
        return i >= 0 && i < quantidade ? quadros[static_cast<size_t>(i)] : nullptr;
    }

    // Selects and removes every item from the last to the first, as the user would.
    void esvaziar()
    {
        const DestaqueNoFim destaque(*this);
        for (int i = quantidade - 1; i >= 0; --i) {
            selecionar(i);
            remover();
        }
    }

    // Stacks the frames from the top of the scroll box; the scroll range follows.
    void atualizar(bool foco) override
    {
        caixa->rolarParaTopo();
        for (int i = 0; i < quantidade; ++i)
            quadros[static_cast<size_t>(i)]->definirPosicao(i);
        if constexpr (requires(Quadro & q, QWidget * w) { q.encadearFoco(w); }) {
            // Frames reused or put back at their place were made at other times than their
            // neighbours, and Tab follows the order widgets were made in.
            QWidget *anterior = nullptr;
            for (int i = 0; i < quantidade; ++i)
                anterior = quadros[static_cast<size_t>(i)]->encadearFoco(anterior);
        }
        const int y = empilharQuadros(
            std::span<Quadro *const>(quadros.data(), static_cast<size_t>(quantidade)));
        if (quantidade == 0)
            return;
        if (foco && selecionado >= 0)
            quadros[static_cast<size_t>(selecionado)]->focar();
        caixa->definirAlturaConteudo(y);
    }

protected:
    ListaDeQuadros(CaixaRolagem *caixa, const QString &prefixoNomes)
        : Lista(N), caixa(caixa), prefixoNomes(prefixoNomes)
    {
    }

    bool cheia() const { return quantidade >= N; }

    // A new frame at the end; the caller selects it.
    Quadro *acrescentarQuadro()
    {
        Quadro *novo = nullptr;
        if constexpr (reaproveita) {
            if (!reserva.empty()) {
                novo = reserva.back();
                reserva.pop_back();
                novo->reiniciar();
            }
        }
        if (!novo)
            novo = new Quadro(caixa->conteudo());
        novo->setObjectName(prefixoNomes + QString::number(contadorNomes));
        ++contadorNomes;
        quadros[static_cast<size_t>(quantidade)] = novo;
        ++quantidade;
        return novo;
    }

    // Destroys the frame at p; the frames after it move one place forward.
    void descartarQuadro(int p)
    {
        Quadro *saindo = quadros[static_cast<size_t>(p)];
        if (saindo == destacado)
            destacado = nullptr;
        // Focus leaves the frame before it goes, so no other frame is entered half-way.
        if (saindo->isAncestorOf(QApplication::focusWidget()))
            caixa->setFocus();
        if constexpr (reaproveita) {
            saindo->hide();
            reserva.push_back(saindo);
        } else {
            delete saindo;
        }
        retirarDaFila(quadros, quantidade, p);
    }

    // The last frame goes to place p (a removed item coming back); those from p on move down.
    void moverUltimoPara(int p) { ::moverUltimoPara(quadros, quantidade, p); }

    // The selection part of `selecionar`: false, doing nothing, when the list is empty; an
    // invalid position keeps the current selection.
    bool escolher(int indice)
    {
        if (quantidade < 1)
            return false;
        if (indice >= 0 && indice < quantidade)
            selecionado = indice;
        return true;
    }

    // While it lives, selecting moves no highlight: the frame selected last takes it at the
    // end. Frames being read in turn, or emptied, are not restyled one by one.
    class DestaqueNoFim {
    public:
        explicit DestaqueNoFim(ListaDeQuadros &lista) : lista(lista) { ++lista.destaqueAdiado; }
        ~DestaqueNoFim()
        {
            if (--lista.destaqueAdiado == 0)
                lista.destacarSelecionado();
        }
        DestaqueNoFim(const DestaqueNoFim &) = delete;
        DestaqueNoFim &operator=(const DestaqueNoFim &) = delete;

    private:
        ListaDeQuadros &lista;
    };

    // Only the frame that loses the highlight and the one that gains it change: a plan read
    // selects each new frame in turn, and every palette change restyles the frame.
    void destacarSelecionado()
    {
        if (destaqueAdiado > 0)
            return;
        Quadro *alvo = quadro(selecionado);
        if (alvo == destacado)
            return;
        if (destacado)
            destacado->destacar(false);
        if (alvo)
            alvo->destacar(true);
        destacado = alvo;
    }

    CaixaRolagem *caixa;
    std::array<Quadro *, N> quadros{};
    int quantidade = 0;
    int contadorNomes = 0;
    int selecionado = -1;

private:
    static constexpr bool reaproveita = requires(Quadro & q) { q.reiniciar(); };

    Quadro *destacado = nullptr;   // frames are made without the highlight
    std::vector<Quadro *> reserva; // hidden, children of the scroll box like the others
    int destaqueAdiado = 0;
    QString prefixoNomes;
};
