#pragma once

// The voting ballots window: one ballot per voter of every category, listing every problem with
// grade blanks. The text is built once from the saved plan; it can be printed or saved as PDF.

#include <QDate>
#include <QDialog>

class ListaNos;
class QFrame;
class QPushButton;
class QTextEdit;

class TfmCedula : public QDialog {
    Q_OBJECT
public:
    static constexpr int largura = 546;
    static constexpr int altura = 414;
    static constexpr int alturaPainel = 54;
    static inline const QString tituloImpressao = QStringLiteral("cedula de votação");

    explicit TfmCedula(QWidget *pai = nullptr);

    // Dated today, in the regional short date format.
    void gerarCedula(const ListaNos &secoes);
    void gerarCedula(const ListaNos &secoes, const QDate &hoje);

private:
    void Button1Click();
    void btnSalvarPdfClick();

    QTextEdit *cedula;
    QFrame *painelInferior;
    QPushButton *Button1;
    QPushButton *btnSalvarPdf;
    QPushButton *btnFechar;
};

extern TfmCedula *fmCedula;
