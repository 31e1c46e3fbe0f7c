#pragma once

// The "Plano Escolar" dialog: the only store of the school's name, the head teacher's name and
// the plan's date while the program runs. At start-up it also names the plan file, and its Ok
// opens or creates that plan.

#include <QDialog>

class DocumentoXml;
class ListaNos;
class QDateEdit;
class QLineEdit;
class QPushButton;

class TfmDadosEscola : public QDialog {
    Q_OBJECT
public:
    explicit TfmDadosEscola(QWidget *pai = nullptr);

    void definirEscola(const QString &texto);
    void definirDiretor(const QString &texto);
    void definirData(const QString &texto); // today's date when the text is not a date
    void definirNomePlano(const QString &texto);

    void gravarEscola(DocumentoXml &documento) const;
    void lerEscola(const ListaNos &secoes);

    QString nomeEscola() const;
    QString nomeDiretor() const;
    QString nomePlano() const;
    bool parteDoPlanoHabilitada() const;

public Q_SLOTS:
    void btnOkClick();
    void btnAbrirPlanejamentoClick();
    void edNomePlanejamentoEnter();
};

extern TfmDadosEscola *fmDadosEscola;
