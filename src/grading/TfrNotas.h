#pragma once

// The line of one problem on the "Notas" tab: the problem's name and, for the category chosen
// in the header, one grade box per voter of that category, under the header's voter columns.
// It owns the problem's grade table and is the only place where grades are entered; its boxes
// are built when the line is first shown.

#include "app/QuadroSobDemanda.h"
#include "grading/TabelaNotas.h"
#include <array>

class ElementoXml;
class QComboBox;
class QLabel;

class TfrNotas : public QuadroSobDemanda {
    Q_OBJECT
public:
    static constexpr int altura = 48;
    static constexpr int maximoVotantes = 12;
    static constexpr int larguraTitulo = 228;
    static constexpr int topoCaixa = 12;
    static constexpr int esquerdaCaixa = 256;
    static constexpr int passoColuna = 56;
    static constexpr int larguraCaixa = 48;
    static constexpr int notaMaxima = 10;
    // Wide enough for the twelfth box: 256 + 56 · 11 + 48, and a margin.
    static constexpr int larguraPainel = 936;

    explicit TfrNotas(QWidget *pai = nullptr);

    void definirTitulo(const QString &texto);
    QString titulo() const { return tituloProblema; }
    void exibirCategoria(int categoria);
    void descartarCategoriaAtual();
    float somaCategoria(int categoria) const;
    int categoriaAtual() const { return atual; }

    // The `problema` element of the `notas` section: one `categoria` per category, one `nota`
    // per voter. The reader goes by position and stops at the first grade that does not read.
    void gravarLinha(ElementoXml problema) const;
    void lerLinha(const ElementoXml &problema);

    TabelaNotas tabela;

    QFrame *painel = nullptr;
    QLabel *lblTituloProblema = nullptr;
    std::array<QComboBox *, maximoVotantes> caixasNotas{};

public Q_SLOTS:
    void ComboBoxChange(QComboBox *caixa);

protected:
    void criarControles() override;

private:
    void mostrarCategoria();
    // "Nota de Carla (PRO1, Professores) para Evasão escolar": the voter's name, or the label
    // of a voter without one.
    QString nomeDaCaixa(int votante) const;
    void avisarNomesDasCaixas() const;

    QString tituloProblema;
    bool tituloDefinido = false;
    int atual = -1;
};
