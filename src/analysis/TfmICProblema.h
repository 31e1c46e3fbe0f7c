#pragma once

// The indicators and causes window of one problem: up to five indicators, up to three causes
// with one operations sheet each, and the problem's general review. Created hidden by the
// problem's ranking row and shown modally from it; it keeps its contents between showings.

#include <QDialog>

class ElementoXml;
class ListaNos;

class TfmICProblema : public QDialog {
    Q_OBJECT
public:
    explicit TfmICProblema(QWidget *pai = nullptr);
    ~TfmICProblema() override;

    void definirRevisao(const QString &texto);
    QString revisaoGeral() const;

    void gravarIndicadores(ElementoXml secao) const;
    void gravarCausas(ElementoXml secaoCausas, ElementoXml secaoOperacoes) const;
    void carregarIndicadores(const ElementoXml &problema);
    void carregarCausas(const ElementoXml &problema);
    void carregarOperacoes(const ListaNos &filhos); // raises on a damaged operations element
};
