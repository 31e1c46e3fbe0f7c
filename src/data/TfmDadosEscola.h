#pragma once

// The "Plano Escolar" dialog: the only store of the school's name, the head teacher's name and
// the plan's date while the program runs. At start-up, and again after "Novo plano", it also
// names the plan file: Ok opens the named plan when the file exists, or creates it. Otherwise
// the plan-name part is disabled. Cancel puts every field back as it was when the dialog
// opened, so the fields never hold what the header does not show.

#include "data/DocumentoXml.h"
#include "widgets/EditLimitado.h"

#include <QDialog>

class ListaNos;
class QDateEdit;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

class TfmDadosEscola : public QDialog {
    Q_OBJECT
public:
    static constexpr int largura = 374;
    static constexpr int altura = 183;
    static constexpr int limiteNome = 64;
    static inline const QString textoConvite = QStringLiteral("entre com o nome do plano");

    explicit TfmDadosEscola(QWidget *pai = nullptr);

    void definirEscola(const QString &texto);
    void definirDiretor(const QString &texto);
    void definirData(const QString &texto); // today's date when the text is not a date
    void definirNomePlano(const QString &texto);
    // The plan-name box names `arquivo` as "Abrir" does: relative to the current folder.
    void proporPlano(const QString &arquivo);

    // Shows the dialog modally; any answer but Ok restores the fields.
    int exibir();
    // Enabling starts the plan-name box over from its prompt, as at start-up.
    void habilitarParteDoPlano(bool habilitar);

    void gravarEscola(DocumentoXml &documento) const;
    void lerEscola(const ListaNos &secoes);

    QString nomeEscola() const;
    QString nomeDiretor() const;
    QString nomePlano() const;
    QDate dataPlano() const;
    bool parteDoPlanoHabilitada() const;

    QFrame *painelSup = nullptr;
    QLabel *lblNomeEscola = nullptr;
    EditLimitado *edNomeEscola = nullptr;
    QLabel *lblNomeDiretor = nullptr;
    EditLimitado *edNomeDiretor = nullptr;
    QLabel *lblDataPlanejamento = nullptr;
    QDateEdit *dtpDataPlanejamento = nullptr;
    QLineEdit *edNomePlanejamento = nullptr;
    QPushButton *btnAbrirPlanejamento = nullptr;
    QFrame *painelInf = nullptr;
    QPushButton *btnOk = nullptr;
    QPushButton *btnCancelar = nullptr;

    // Used only by "Abrir" to preview a plan's school data.
    DocumentoXml xmlDoc;

public Q_SLOTS:
    void btnOkClick();
    void btnAbrirPlanejamentoClick();
    void edNomePlanejamentoEnter();

protected:
    bool eventFilter(QObject *objeto, QEvent *evento) override;

private:
    void criarPainelSuperior();
    void criarPainelInferior();
    bool abrirOuCriarPlano(const QString &nome);
    void italicoNoNomePlano(bool italico);
};

extern TfmDadosEscola *fmDadosEscola;
