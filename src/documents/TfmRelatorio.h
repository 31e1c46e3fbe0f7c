#pragma once

// The minutes of the planning meeting, built once from the saved plan. The user may edit the
// text before printing it or saving it as PDF; both take the text as it then stands.

#include <QDialog>

class ListaNos;
class QFrame;
class QPushButton;
class QTextEdit;

class TfmRelatorio : public QDialog {
    Q_OBJECT
public:
    static constexpr int largura = 766;
    static constexpr int altura = 585;
    static constexpr int alturaPainel = 50;
    static inline const QString tituloImpressao = QStringLiteral("Planejamento Escolar");

    explicit TfmRelatorio(QWidget *pai = nullptr);
    void montarAta(const ListaNos &secoes);

private:
    void btnImprimirClick();
    void btnSalvarPdfClick();

    QTextEdit *relatorio;
    QFrame *painelInferior;
    QPushButton *btnImprimir;
    QPushButton *btnSalvarPdf;
    QPushButton *btnCancelar;
};

extern TfmRelatorio *fmRelatorio;
