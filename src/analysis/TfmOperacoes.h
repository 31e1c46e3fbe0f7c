#pragma once

// The operations sheet of one cause: up to three operations, one per tab, and under them the
// problem's general review, which the opener puts in before showing the sheet and takes back
// when it closes. The sheet shows and edits operations it does not hold: those of its cause in
// the indicators window (`usar`), or its own when it stands alone. Each edit reaches them at
// once, so they are always what the sheet shows.

#include "analysis/OperacoesCausa.h"

#include <QDialog>
#include <array>

class ElementoXml;
class ListaNos;
class MemoLimitado;
class QFrame;
class QLabel;
class QPushButton;
class QTabWidget;
class TfrOperacao;

class TfmOperacoes : public QDialog {
    Q_OBJECT
public:
    static constexpr int maximoOperacoes = OperacoesCausa::maximo;

    explicit TfmOperacoes(QWidget *pai = nullptr);
    ~TfmOperacoes() override;

    int numOperacoes() const { return quantidade; }
    TfrOperacao *operacao(int indice) const; // nullptr outside 0 … numOperacoes() − 1

    void definirCausa(const QString &texto); // "Causa: " and the cause's text
    QString revisao() const;
    void definirRevisao(const QString &texto);

    void limparOperacoes();
    // The sheet shows and edits these from now on; they must outlive it.
    void usar(OperacoesCausa &operacoes);
    // After the operations changed other than through the sheet.
    void mostrarOperacoes();
    const OperacoesCausa &operacoes() const { return *dados; }
    void assumir(const OperacoesCausa &operacoes);
    // Appends operations op<causa>c1 … to the problem's element; returns their number.
    int gravarOperacoes(ElementoXml problema, int causa) const;
    void lerOperacao(const ListaNos &filhos, int indice); // raises on a short operation

    QLabel *lblCausa = nullptr;
    QTabWidget *pgControle = nullptr;
    QFrame *painelIntermediario = nullptr;
    QLabel *Label1 = nullptr;
    MemoLimitado *memoRevGeral = nullptr;
    QFrame *painelInferior = nullptr;
    QPushButton *btnAdicionar = nullptr;
    QPushButton *btnRemover = nullptr;
    QPushButton *btnAceitar = nullptr;

public Q_SLOTS:
    void btnAdicionarClick();
    void btnRemoverClick();
    void FormShow();

Q_SIGNALS:
    void vaiRemover();                 // the last operation is about to go
    void desfazerPedido(bool refazer); // Ctrl+Z or Ctrl+Shift+Z outside the memos

protected:
    void showEvent(QShowEvent *evento) override;

private:
    void criarPaineis();
    void criarAba(); // for operation `quantidade`, showing it
    void retirarAbas();

    std::array<TfrOperacao *, maximoOperacoes> framesOperacao{};
    int quantidade = 0; // tabs, always dados->quantidade()
    OperacoesCausa proprias;
    OperacoesCausa *dados = &proprias;
    bool mostrando = false; // texts going into the memos are not edits
};
