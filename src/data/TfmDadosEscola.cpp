#include "data/TfmDadosEscola.h"

#include "app/Interacao.h"
#include "app/TfmPrincipal.h"
#include "data/Caminhos.h"
#include "data/Erros.h"
#include "data/NomesPlano.h"
#include "data/Regional.h"
#include "data/TdmDados.h"
#include "widgets/Acessibilidade.h"
#include "widgets/AjusteTela.h"

#include <QDateEdit>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <exception>
#include <limits>

TfmDadosEscola *fmDadosEscola = nullptr;

namespace {

const QDate primeiraData(100, 1, 1);
const QDate ultimaData(9999, 12, 31);

QLabel *rotulo(const char *nome, const QString &texto, QWidget *pai)
{
    auto *label = new QLabel(texto, pai);
    label->setObjectName(QString::fromLatin1(nome));
    return label;
}

EditLimitado *campo(const char *nome, int limite, QWidget *pai)
{
    auto *edit = new EditLimitado(limite, pai);
    edit->setObjectName(QString::fromLatin1(nome));
    return edit;
}

QPushButton *botao(const char *nome, const QString &texto, QWidget *pai)
{
    auto *btn = new QPushButton(texto, pai);
    btn->setObjectName(QString::fromLatin1(nome));
    return btn;
}

} // namespace

TfmDadosEscola::TfmDadosEscola(QWidget *pai)
    : QDialog(pai, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("fmDadosEscola"));
    setWindowTitle(QStringLiteral("Plano Escolar"));
    resize(largura, altura);

    criarPainelSuperior();
    criarPainelInferior();
    auto *layout = new QVBoxLayout(AjusteTela::conteudo(this));
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(painelSup, 1);
    layout->addWidget(painelInf);

    setTabOrder(edNomeEscola, edNomeDiretor);
    setTabOrder(edNomeDiretor, dtpDataPlanejamento);
    setTabOrder(dtpDataPlanejamento, edNomePlanejamento);
    setTabOrder(edNomePlanejamento, btnAbrirPlanejamento);
    setTabOrder(btnAbrirPlanejamento, btnOk);
    setTabOrder(btnOk, btnCancelar);
    edNomeEscola->setFocus();
}

void TfmDadosEscola::criarPainelSuperior()
{
    painelSup = new QFrame(this);
    painelSup->setObjectName(QStringLiteral("painelSup"));
    painelSup->setFrameShape(QFrame::Panel);
    painelSup->setFrameShadow(QFrame::Raised);

    lblNomeEscola = rotulo("lblNomeEscola", QStringLiteral("Nome da escola:"), painelSup);
    edNomeEscola = campo("edNomeEscola", limiteNome, painelSup);
    lblNomeDiretor = rotulo("lblNomeDiretor", QStringLiteral("Diretor:"), painelSup);
    edNomeDiretor = campo("edNomeDiretor", limiteNome, painelSup);
    lblDataPlanejamento =
        rotulo("lblDataPlanejamento", QStringLiteral("Data do plano escolar:"), painelSup);
    lblNomeEscola->setBuddy(edNomeEscola);
    lblNomeDiretor->setBuddy(edNomeDiretor);

    dtpDataPlanejamento = new QDateEdit(painelSup);
    dtpDataPlanejamento->setObjectName(QStringLiteral("dtpDataPlanejamento"));
    dtpDataPlanejamento->setCalendarPopup(true);
    dtpDataPlanejamento->setDisplayFormat(formatoDataCurta());
    dtpDataPlanejamento->setDateRange(primeiraData, ultimaData);
    dtpDataPlanejamento->setDate(QDate::currentDate());
    lblDataPlanejamento->setBuddy(dtpDataPlanejamento);

    edNomePlanejamento = campo("edNomePlanejamento", std::numeric_limits<int>::max(), painelSup);
    edNomePlanejamento->setText(textoConvite);
    italicoNoNomePlano(true);
    // The box has no label of its own; its prompt is its first text.
    nomear(edNomePlanejamento, QStringLiteral("Nome do arquivo do plano"),
           QStringLiteral("Digite o nome de um plano novo ou escolha um existente com Abrir"));
    edNomePlanejamento->installEventFilter(this);

    btnAbrirPlanejamento = botao("btnAbrirPlanejamento", QStringLiteral("Abrir"), painelSup);
    btnAbrirPlanejamento->setToolTip(QStringLiteral("Abre um planejamento existente"));
    btnAbrirPlanejamento->setAutoDefault(false);
    nomear(btnAbrirPlanejamento, QStringLiteral("Abrir"), btnAbrirPlanejamento->toolTip());
    connect(btnAbrirPlanejamento, &QPushButton::clicked, this,
            &TfmDadosEscola::btnAbrirPlanejamentoClick);

    auto *grade = new QGridLayout(painelSup);
    grade->addWidget(lblNomeEscola, 0, 0);
    grade->addWidget(edNomeEscola, 0, 1, 1, 2);
    grade->addWidget(lblNomeDiretor, 1, 0);
    grade->addWidget(edNomeDiretor, 1, 1, 1, 2);
    grade->addWidget(lblDataPlanejamento, 2, 0);
    grade->addWidget(dtpDataPlanejamento, 2, 1);
    grade->addWidget(edNomePlanejamento, 3, 0, 1, 2);
    grade->addWidget(btnAbrirPlanejamento, 3, 2);
    grade->setColumnStretch(1, 1);
}

void TfmDadosEscola::criarPainelInferior()
{
    painelInf = new QFrame(this);
    painelInf->setObjectName(QStringLiteral("painelInf"));
    painelInf->setFrameShape(QFrame::Panel);
    painelInf->setFrameShadow(QFrame::Raised);

    btnOk = botao("btnOk", QStringLiteral("Ok"), painelInf);
    btnOk->setDefault(true);
    btnCancelar = botao("btnCancelar", QStringLiteral("Cancelar"), painelInf);
    btnCancelar->setAutoDefault(false);
    connect(btnOk, &QPushButton::clicked, this, &TfmDadosEscola::btnOkClick);
    connect(btnCancelar, &QPushButton::clicked, this, &QDialog::reject);

    auto *linha = new QHBoxLayout(painelInf);
    linha->addStretch(1);
    linha->addWidget(btnOk);
    linha->addWidget(btnCancelar);
}

// The typing limit does not cut a name read from a file, which the next save would lose.
void TfmDadosEscola::definirEscola(const QString &texto)
{
    edNomeEscola->definirTexto(texto);
}

void TfmDadosEscola::definirDiretor(const QString &texto)
{
    edNomeDiretor->definirTexto(texto);
}

void TfmDadosEscola::definirData(const QString &texto)
{
    QDate data = lerData(texto);
    if (!data.isValid() || data < primeiraData || data > ultimaData)
        data = QDate::currentDate();
    dtpDataPlanejamento->setDate(data);
}

void TfmDadosEscola::definirNomePlano(const QString &texto)
{
    edNomePlanejamento->setText(texto);
}

void TfmDadosEscola::proporPlano(const QString &arquivo)
{
    edNomePlanejamentoEnter();
    definirNomePlano(
        nomeRelativo(QDir::cleanPath(QFileInfo(arquivo).absoluteFilePath()), diretorioAtual()));
}

int TfmDadosEscola::exibir()
{
    const QString escola = nomeEscola();
    const QString diretor = nomeDiretor();
    const QDate data = dataPlano();
    const QString plano = nomePlano();
    const bool italico = edNomePlanejamento->font().italic();
    // Every showing starts at the first field, whatever had the focus when it last closed.
    edNomeEscola->setFocus();
    const int resultado = interacao().exibirModal(*this);
    if (resultado != QDialog::Accepted) {
        definirEscola(escola);
        definirDiretor(diretor);
        dtpDataPlanejamento->setDate(data);
        definirNomePlano(plano);
        italicoNoNomePlano(italico);
    }
    return resultado;
}

void TfmDadosEscola::habilitarParteDoPlano(bool habilitar)
{
    if (habilitar) {
        definirNomePlano(textoConvite);
        italicoNoNomePlano(true);
    }
    edNomePlanejamento->setEnabled(habilitar);
    btnAbrirPlanejamento->setEnabled(habilitar);
}

QString TfmDadosEscola::nomeEscola() const
{
    return edNomeEscola->text();
}

QString TfmDadosEscola::nomeDiretor() const
{
    return edNomeDiretor->text();
}

QString TfmDadosEscola::nomePlano() const
{
    return edNomePlanejamento->text();
}

QDate TfmDadosEscola::dataPlano() const
{
    return dtpDataPlanejamento->date();
}

bool TfmDadosEscola::parteDoPlanoHabilitada() const
{
    return btnAbrirPlanejamento->isEnabled();
}

void TfmDadosEscola::gravarEscola(DocumentoXml &documento) const
{
    ElementoXml escola = documento.raiz().adicionarFilho(nomesPlano::secaoEscola);
    escola.definirAtributo(nomesPlano::atributoNome, nomeEscola());
    escola.definirAtributo(nomesPlano::atributoDiretor, nomeDiretor());
    escola.definirAtributo(nomesPlano::atributoData, formatarData(dataPlano()));
}

void TfmDadosEscola::lerEscola(const ListaNos &secoes)
{
    try {
        const ElementoXml escola = secoes.porNome(nomesPlano::secaoEscola);
        definirEscola(escola.atributo(nomesPlano::atributoNome).texto());
        definirDiretor(escola.atributo(nomesPlano::atributoDiretor).texto());
        definirData(escola.atributo(nomesPlano::atributoData).texto());
    } catch (const ErroSorvane &) {
        // A missing element or attribute stops here; the fields not reached keep their text.
    }
}

bool TfmDadosEscola::eventFilter(QObject *objeto, QEvent *evento)
{
    if (objeto == edNomePlanejamento && evento->type() == QEvent::FocusIn) {
        edNomePlanejamentoEnter();
        // A click places the cursor after the focus arrives; select again once it has.
        if (static_cast<QFocusEvent *>(evento)->reason() == Qt::MouseFocusReason)
            QMetaObject::invokeMethod(edNomePlanejamento, &QLineEdit::selectAll,
                                      Qt::QueuedConnection);
    }
    return QDialog::eventFilter(objeto, evento);
}

void TfmDadosEscola::edNomePlanejamentoEnter()
{
    italicoNoNomePlano(false);
    edNomePlanejamento->selectAll();
}

void TfmDadosEscola::italicoNoNomePlano(bool italico)
{
    QFont fonte = edNomePlanejamento->font();
    fonte.setItalic(italico);
    edNomePlanejamento->setFont(fonte);
}

void TfmDadosEscola::btnAbrirPlanejamentoClick()
{
    const QString escolhido = interacao().arquivoParaAbrir(dmDados->nomeArquivoOuPadrao());
    if (escolhido.isEmpty())
        return;
    proporPlano(escolhido);

    xmlDoc.ativar();
    const QString nome = edNomePlanejamento->text();
    if (!QFileInfo::exists(nome))
        return;
    try {
        xmlDoc = TdmDados::lerArquivoPlano(nome);
        lerEscola(xmlDoc.secoes());
    } catch (const std::exception &erro) {
        interacao().mensagem(Icone::Erro, QString::fromUtf8(erro.what()));
    }
}

void TfmDadosEscola::btnOkClick()
{
    if (parteDoPlanoHabilitada()) {
        if (!abrirOuCriarPlano(nomePlano()))
            return; // the dialog stays open, the header as it was, for another name to be tried
        habilitarParteDoPlano(false);
    }
    // After the plan is open: its readers fill the fields and the header alike, so the header
    // shows what the fields hold, and a refused Ok leaves it untouched for Cancel.
    fmPrincipal->mostrarEscola(nomeEscola());
    fmPrincipal->mostrarDiretor(nomeDiretor());
    accept();
}

// A name that exists is opened, never written over: after "Novo plano" as at start-up. A
// folder, a device or a file that is not a plan is refused with the reason.
bool TfmDadosEscola::abrirOuCriarPlano(const QString &nome)
{
    if (!QFileInfo::exists(nome)) {
        dmDados->limpar(true);
        dmDados->salvar(nome);
        return true;
    }
    try {
        // Read before the lists are emptied, so a damaged file costs nothing.
        DocumentoXml lido = TdmDados::lerArquivoPlano(nome);
        const TdmDados::Reserva reserva = dmDados->reservarPlano(nome);
        if (reserva == TdmDados::Reserva::cancelada)
            return false;
        dmDados->limpar(false);
        if (reserva == TdmDados::Reserva::copia)
            dmDados->abrirCopia(std::move(lido));
        else
            dmDados->carregar(nome, std::move(lido));
        return true;
    } catch (const std::exception &erro) {
        interacao().mensagem(Icone::Erro, QString::fromUtf8(erro.what()));
        return false;
    }
}
