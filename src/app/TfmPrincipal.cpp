#include "app/TfmPrincipal.h"

#include "app/Desfazer.h"
#include "app/Interacao.h"
#include "app/Versao.h"
#include "data/DocumentoXml.h"
#include "data/Erros.h"
#include "data/NomesPlano.h"
#include "data/TdmDados.h"
#include "data/TfmDadosEscola.h"
#include "documents/ServicoImpressao.h"
#include "documents/TfmCedula.h"
#include "documents/TfmDiagrama.h"
#include "documents/TfmRelatorio.h"
#include "grading/ControleNotas.h"
#include "help/TfmAjuda.h"
#include "help/TfmSobre.h"
#include "problems/ControleProblemas.h"
#include "voters/ControleVotantes.h"
#include "widgets/Acessibilidade.h"
#include "widgets/AjusteTela.h"
#include "widgets/CaixaRolagem.h"
#include "widgets/IconeSinal.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QShortcut>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <memory>

TfmPrincipal *fmPrincipal = nullptr;

namespace {

const QString legendaVazia = QStringLiteral("[]");
const QString perguntaSalvar = QStringLiteral("Deseja salvar o planejamento atual?");
const QString erroLeitura = QStringLiteral("Problemas durante leitura de dados do arquivo:\n");
constexpr int ladoBotao = 33;

enum Pagina { paginaProblemas, paginaVotantes, paginaNotas, paginaClassificacao };

// Document windows live for one showing; this gives them back even when building fails.
template <typename Janela> struct JanelaDeUmUso {
    Janela *&global;
    explicit JanelaDeUmUso(Janela *&global, QWidget *pai) : global(global)
    {
        global = new Janela(pai);
    }
    ~JanelaDeUmUso()
    {
        delete global;
        global = nullptr;
    }
};

// The save dialog opens in the folder of the plan on screen, so that the plan saved under its
// own name replaces its file rather than leaving a copy in the start-up folder.
QString pastaDoPlano()
{
    if (!dmDados->temArquivo())
        return {};
    return QFileInfo(dmDados->arquivoPlano).absolutePath() + u'/';
}

} // namespace

TfmPrincipal::TfmPrincipal()
{
    setObjectName(QStringLiteral("fmPrincipal"));
    setWindowTitle(QStringLiteral("Projeto Sorvane - Versão " SORVANE_VERSAO));
    resize(larguraInicial, alturaInicial);
    setMinimumSize(600, 400);
    if (const QScreen *tela = screen()) {
        const QRect area = tela->availableGeometry();
        move(area.center() - rect().center());
    }

    auto *layout = new QVBoxLayout(AjusteTela::conteudo(this));
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    criarCabecalho();
    criarPaginas();
    layout->addWidget(painelPrincipal);
    layout->addWidget(pcControlePaginas, 1);
    criarMenu();
    criarControladores();
}

TfmPrincipal::~TfmPrincipal()
{
    // The controllers only point at their frames; the widgets below destroy the frames.
    delete controleNotas;
    controleNotas = nullptr;
    delete controleVotantes;
    controleVotantes = nullptr;
    delete controleProblemas;
    controleProblemas = nullptr;
}

void TfmPrincipal::criarCabecalho()
{
    painelPrincipal = new QFrame;
    painelPrincipal->setObjectName(QStringLiteral("painelPrincipal"));
    painelPrincipal->setFixedHeight(alturaCabecalho);
    painelPrincipal->setFrameShape(QFrame::Panel);
    painelPrincipal->setFrameShadow(QFrame::Raised);

    auto rotulo = [this](const char *nome, const QString &texto) {
        auto *label = new QLabel(texto, painelPrincipal);
        label->setObjectName(QString::fromLatin1(nome));
        return label;
    };
    auto valor = [&](const char *nome) {
        QLabel *label = rotulo(nome, legendaVazia);
        // Names typed by the user or read from a file are never taken as markup.
        label->setTextFormat(Qt::PlainText);
        QFont fonte = label->font();
        fonte.setBold(true);
        label->setFont(fonte);
        label->setVisible(false);
        return label;
    };

    QLabel *lblEscola = rotulo("lblEscola", QStringLiteral("Escola:"));
    lblNomeEscola = valor("lblNomeEscola");
    QLabel *lblDiretor = rotulo("lblDiretor", QStringLiteral("Diretor:"));
    lblNomeDiretor = valor("lblNomeDiretor");
    QLabel *lblPlanejamento = rotulo("lblPlanejamento", QStringLiteral("Nome do arquivo:"));
    lblNomePlanejamento = valor("lblNomePlanejamento");

    auto botao = [this](const char *nome, bool mais, const QString &dica) {
        auto *sbtn = new QToolButton(painelPrincipal);
        sbtn->setObjectName(QString::fromLatin1(nome));
        sbtn->setFixedSize(ladoBotao, ladoBotao);
        sbtn->setIcon(iconeSinal(mais, 20, 3));
        sbtn->setIconSize(QSize(20, 20));
        sbtn->setAutoRaise(true);
        sbtn->setToolTip(dica);
        sbtn->setAccessibleName(dica);
        return sbtn;
    };
    sbtnAdicionar = botao("sbtnAdicionar", true, QStringLiteral("Adiciona um elemento à lista"));
    sbtnRemover = botao("sbtnRemover", false, QStringLiteral("Remove um elemento da lista"));
    connect(sbtnAdicionar, &QToolButton::clicked, this, &TfmPrincipal::sbtnAdicionarClick);
    connect(sbtnRemover, &QToolButton::clicked, this, &TfmPrincipal::sbtnRemoverClick);

    // The two buttons from the keyboard: Ctrl and + adds, Ctrl and - removes.
    const auto atalho = [this](QKeySequence teclas, void (TfmPrincipal::*acao)()) {
        connect(new QShortcut(teclas, this), &QShortcut::activated, this, acao);
    };
    atalho(QKeySequence(Qt::CTRL | Qt::Key_Plus), &TfmPrincipal::sbtnAdicionarClick);
    atalho(QKeySequence(Qt::CTRL | Qt::Key_Equal), &TfmPrincipal::sbtnAdicionarClick);
    atalho(QKeySequence(Qt::CTRL | Qt::Key_Minus), &TfmPrincipal::sbtnRemoverClick);

    auto *grade = new QGridLayout(painelPrincipal);
    grade->setContentsMargins(8, 2, 4, 2);
    grade->setVerticalSpacing(2);
    grade->addWidget(lblEscola, 0, 0);
    grade->addWidget(lblNomeEscola, 0, 1);
    grade->addWidget(lblDiretor, 1, 0);
    grade->addWidget(lblNomeDiretor, 1, 1);
    grade->addWidget(lblPlanejamento, 0, 3, 2, 1);
    grade->addWidget(lblNomePlanejamento, 0, 4, 2, 1);
    grade->addWidget(sbtnAdicionar, 0, 6, 2, 1, Qt::AlignTop);
    grade->addWidget(sbtnRemover, 0, 7, 2, 1, Qt::AlignTop);
    grade->setColumnStretch(2, 1);
    grade->setColumnStretch(5, 1);
}

void TfmPrincipal::criarPaginas()
{
    pcControlePaginas = new QTabWidget;
    pcControlePaginas->setObjectName(QStringLiteral("pcControlePaginas"));
    auto pagina = [this](const char *nomeAba, const QString &legenda, const char *nomeCaixa) {
        auto *aba = new QWidget;
        aba->setObjectName(QString::fromLatin1(nomeAba));
        // A screen reader names the page the focus enters, so the user hears the tab change.
        nomear(aba, legenda);
        // Header frames of the grades and ranking tabs go above the scroll box in this layout.
        auto *layout = new QVBoxLayout(aba);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(0);
        auto *caixa = new CaixaRolagem(aba);
        caixa->setObjectName(QString::fromLatin1(nomeCaixa));
        layout->addWidget(caixa, 1);
        pcControlePaginas->addTab(aba, legenda);
        return caixa;
    };
    sbProblemas = pagina("tsProblemas", QStringLiteral("Problemas"), "sbProblemas");
    sbVotantes = pagina("tsVotantes", QStringLiteral("Votantes"), "sbVotantes");
    sbNotas = pagina("tsNotas", QStringLiteral("Notas"), "sbNotas");
    sbClassificacao = pagina("tsClassificacao", QStringLiteral("Classificação"), "sbClassificacao");
    for (QWidget *abas : {static_cast<QWidget *>(pcControlePaginas),
                          static_cast<QWidget *>(pcControlePaginas->tabBar())}) {
        nomear(abas, QStringLiteral("Páginas do plano"),
               QStringLiteral("Ctrl+Tab passa à página seguinte"));
    }
    pcControlePaginas->setCurrentIndex(paginaProblemas);
    connect(pcControlePaginas, &QTabWidget::currentChanged, this, &TfmPrincipal::paginaMudou);
}

void TfmPrincipal::criarMenu()
{
    QMenuBar *barra = menuBar();
    barra->setObjectName(QStringLiteral("MenuPrincipal"));

    auto menu = [barra](const char *nome, const QString &legenda) {
        QMenu *novo = barra->addMenu(legenda);
        novo->setObjectName(QString::fromLatin1(nome));
        novo->menuAction()->setObjectName(QString::fromLatin1(nome));
        return novo;
    };
    // The keys every desktop program shares; the menu shows them beside the caption.
    auto item = [this](QMenu *pai, const char *nome, const QString &legenda, auto manipulador,
                       QKeySequence teclas = {}) {
        QAction *acao = pai->addAction(legenda);
        acao->setObjectName(QString::fromLatin1(nome));
        acao->setShortcut(teclas);
        connect(acao, &QAction::triggered, this, manipulador);
        return acao;
    };
    auto separador = [](QMenu *pai, const char *nome) {
        pai->addSeparator()->setObjectName(QString::fromLatin1(nome));
    };

    QMenu *arquivo = menu("mItemArquivo", QStringLiteral("&Arquivo"));
    item(arquivo, "mItemNovo", QStringLiteral("&Novo plano"), &TfmPrincipal::mItemNovoClick,
         QKeySequence(Qt::CTRL | Qt::Key_N));
    item(arquivo, "mItemAbrir", QStringLiteral("&Abrir plano"), &TfmPrincipal::mItemAbrirClick,
         QKeySequence(Qt::CTRL | Qt::Key_O));
    item(arquivo, "mItemSalvar", QStringLiteral("&Salvar"), &TfmPrincipal::mItemSalvarClick,
         QKeySequence(Qt::CTRL | Qt::Key_S));
    separador(arquivo, "N4");
    item(arquivo, "mItemConfigurarImpress", QStringLiteral("&Configurar Impressão"),
         &TfmPrincipal::mItemConfigurarImpressClick);
    separador(arquivo, "N1");
    item(arquivo, "mItemSair", QStringLiteral("Sai&r"), &TfmPrincipal::mItemSairClick,
         QKeySequence(Qt::CTRL | Qt::Key_Q));

    // Text edits keep Ctrl+Z for their own typing while they have some to take back.
    QMenu *editar = menu("mItemEditar", QStringLiteral("&Editar"));
    mItemDesfazer = item(editar, "mItemDesfazer", QStringLiteral("&Desfazer"),
                         &TfmPrincipal::mItemDesfazerClick, QKeySequence(Qt::CTRL | Qt::Key_Z));
    mItemRefazer =
        item(editar, "mItemRefazer", QStringLiteral("&Refazer"), &TfmPrincipal::mItemRefazerClick,
             QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
    atualizarEdicao();

    QMenu *dados = menu("mItemDados", QStringLiteral("Dados"));
    item(dados, "iItemInstituicao", QStringLiteral("Dados da &Instituição"),
         &TfmPrincipal::iItemInstituicaoClick);
    separador(dados, "N3");
    item(dados, "mItemGerarCedula", QStringLiteral("Gerar &Cédula de votação"),
         &TfmPrincipal::mItemGerarCedulaClick);
    item(dados, "mItemGerarAta", QStringLiteral("Gerar &Ata de reunião"),
         &TfmPrincipal::mItemGerarAtaClick);
    item(dados, "mItemGerarOrganograma", QStringLiteral("Gerar &Organograma"),
         &TfmPrincipal::mItemGerarOrganogramaClick);

    QMenu *ajuda = menu("itemAjuda", QStringLiteral("A&juda"));
    item(ajuda, "mItemSobre", QStringLiteral("&Sobre o aplicativo"),
         &TfmPrincipal::mItemSobreClick);
    separador(ajuda, "N2");
    item(ajuda, "mItemAjuda", QStringLiteral("&Como utilizar o aplicativo"),
         &TfmPrincipal::mItemAjudaClick, QKeySequence(Qt::Key_F1));
}

void TfmPrincipal::criarControladores()
{
    controleProblemas = new ControleProblemas(sbProblemas);
    controleVotantes = new ControleVotantes(sbVotantes);
    controleNotas = new ControleNotas(sbNotas, sbClassificacao);
    listaAtual = controleProblemas;
}

void TfmPrincipal::mostrarEscola(const QString &texto)
{
    lblNomeEscola->setText(texto);
    lblNomeEscola->setVisible(true);
}

void TfmPrincipal::mostrarDiretor(const QString &texto)
{
    lblNomeDiretor->setText(texto);
    lblNomeDiretor->setVisible(true);
}

void TfmPrincipal::mostrarNomeArquivo(const QString &texto)
{
    lblNomePlanejamento->setText(texto);
    lblNomePlanejamento->setVisible(true);
}

void TfmPrincipal::esconderNomeArquivo()
{
    lblNomePlanejamento->setText(legendaVazia);
    lblNomePlanejamento->setVisible(false);
}

QString TfmPrincipal::nomeArquivoMostrado() const
{
    return lblNomePlanejamento->text();
}

void TfmPrincipal::lerEscola(const ListaNos &secoes)
{
    try {
        const ElementoXml escola = secoes.porNome(nomesPlano::secaoEscola);
        mostrarEscola(escola.atributo(nomesPlano::atributoNome).texto());
        mostrarDiretor(escola.atributo(nomesPlano::atributoDiretor).texto());
    } catch (const ErroSorvane &) {
        // A missing element or attribute stops here; the labels not reached keep their text.
    }
}

void TfmPrincipal::paginaMudou(int indice)
{
    switch (indice) {
    case paginaProblemas:
        tsProblemasShow();
        break;
    case paginaVotantes:
        tsVotantesShow();
        break;
    case paginaNotas:
        tsNotasShow();
        break;
    case paginaClassificacao:
        tsClassificacaoShow();
        break;
    default:
        break;
    }
}

void TfmPrincipal::tsProblemasShow()
{
    listaAtual = controleProblemas;
    listaAtual->selecionar(-1);
}

void TfmPrincipal::tsVotantesShow()
{
    listaAtual = controleVotantes;
    listaAtual->selecionar(-1);
}

void TfmPrincipal::tsNotasShow()
{
    listaAtual = controleNotas;
    listaAtual->atualizar(false);
}

void TfmPrincipal::tsClassificacaoShow()
{
    listaAtual = controleNotas;
    listaAtual->atualizar(false);
}

void TfmPrincipal::sbtnAdicionarClick()
{
    listaAtual->adicionar();
    listaAtual->atualizar(true);
}

void TfmPrincipal::sbtnRemoverClick()
{
    // The last item of a list is never removed here.
    if (listaAtual->total() <= 1)
        return;
    if (listaAtual == controleProblemas)
        registrarRemocao(removerProblema(controleProblemas->posicaoSelecionada()));
    else if (listaAtual == controleVotantes)
        registrarRemocao(removerCategoria(controleVotantes->posicaoSelecionada()));
    else
        listaAtual->remover();
    listaAtual->atualizar(true);
}

void TfmPrincipal::registrarRemocao(Remocao remocao)
{
    historico.registrar(std::move(remocao));
    atualizarEdicao();
}

void TfmPrincipal::esquecerRemocoes()
{
    historico.limpar();
    atualizarEdicao();
}

void TfmPrincipal::atualizarEdicao()
{
    mItemDesfazer->setEnabled(historico.podeDesfazer());
    mItemRefazer->setEnabled(historico.podeRefazer());
}

void TfmPrincipal::mItemDesfazerClick()
{
    if (!historico.podeDesfazer() || !restaurarRemocao(historico.aDesfazer()))
        return;
    const Remocao desfeita = historico.aDesfazer();
    historico.desfeita();
    mostrarRemocao(desfeita);
}

void TfmPrincipal::mItemRefazerClick()
{
    if (!historico.podeRefazer())
        return;
    const Remocao pedida = historico.aRefazer();
    historico.refeita(refazerRemocao(pedida));
    mostrarRemocao(pedida);
}

// The lists show the change, and the tab of the problem or category that came or went.
void TfmPrincipal::mostrarRemocao(const Remocao &remocao)
{
    controleProblemas->atualizar(false);
    controleVotantes->atualizar(false);
    controleNotas->atualizar(false);
    if (std::holds_alternative<ProblemaRemovido>(remocao.item))
        pcControlePaginas->setCurrentIndex(paginaProblemas);
    else if (std::holds_alternative<CategoriaRemovida>(remocao.item))
        pcControlePaginas->setCurrentIndex(paginaVotantes);
    listaAtual->atualizar(true);
    atualizarEdicao();
}

void TfmPrincipal::limparDadosEscola()
{
    fmDadosEscola->definirEscola(QString());
    fmDadosEscola->definirDiretor(QString());
    fmDadosEscola->definirData(QString());
}

void TfmPrincipal::limparCabecalho()
{
    for (QLabel *valor : {lblNomeEscola, lblNomeDiretor, lblNomePlanejamento}) {
        valor->setText(legendaVazia);
        valor->setVisible(false);
    }
}

bool TfmPrincipal::salvarComo()
{
    const QString nome = interacao().arquivoParaSalvar(pastaDoPlano());
    return !nome.isEmpty() && dmDados->salvar(nome);
}

// The plan on screen may be left once it is saved or the user says so. Any answer but Yes or
// No (the third button, Esc, the close box), a cancelled save dialog and a failed save all
// keep it.
bool TfmPrincipal::podeDeixarOPlano(bool perguntarSempre)
{
    if (!perguntarSempre && !dmDados->planoAlterado())
        return true;
    switch (interacao().perguntar(perguntaSalvar)) {
    case Resposta::Sim:
        return salvarComo();
    case Resposta::Nao:
        dmDados->descartarRecuperacao();
        return true;
    case Resposta::Abortar:
        break;
    }
    return false;
}

// A plan without a file is named before anything writes it.
bool TfmPrincipal::garantirArquivoDoPlano()
{
    return dmDados->temArquivo() || salvarComo();
}

void TfmPrincipal::mItemNovoClick()
{
    if (!podeDeixarOPlano(true))
        return;
    dmDados->limpar(true);
    esquecerRemocoes();
    limparDadosEscola();
    // The new plan has no file until it is named, in the dialog or at its first save, so
    // nothing can write it over the previous plan's file.
    dmDados->esquecerArquivo();
    limparCabecalho();
    fmDadosEscola->habilitarParteDoPlano(true);
    fmDadosEscola->exibir();
    fmDadosEscola->habilitarParteDoPlano(false);
    focarPagina();
}

// After a plan is opened or started anew the focus goes to the first control of the tab shown:
// the one it was on went with the old plan.
void TfmPrincipal::focarPagina()
{
    QWidget *pagina = pcControlePaginas->currentWidget();
    for (QWidget *controle = pagina->nextInFocusChain(); controle != pagina;
         controle = controle->nextInFocusChain()) {
        if (pagina->isAncestorOf(controle) && controle->isVisibleTo(pagina) &&
            controle->isEnabled() && (controle->focusPolicy() & Qt::TabFocus) == Qt::TabFocus) {
            controle->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
}

void TfmPrincipal::mItemAbrirClick()
{
    if (!podeDeixarOPlano(false))
        return;
    const QString nome = interacao().arquivoParaAbrir(dmDados->nomeArquivoOuPadrao());
    if (nome.isEmpty())
        return;
    // A file that is missing, does not parse or is not a plan must cost nothing: it is read
    // before the plan on screen is emptied, and it never becomes the current plan file.
    DocumentoXml lido;
    try {
        lido = TdmDados::lerArquivoPlano(nome);
    } catch (const ErroSorvane &) {
        interacao().mensagem(Icone::Informacao, erroLeitura + nome);
        return;
    }
    const TdmDados::Reserva reserva = dmDados->reservarPlano(nome);
    if (reserva == TdmDados::Reserva::cancelada)
        return;
    {
        const ControleNotas::Adiamento adiamento; // one refresh shows the plan read
        controleProblemas->esvaziar();
        controleVotantes->esvaziar();
        esquecerRemocoes();
        // The focus went with the old plan; the new one only receives it (focarPagina), which
        // lets its baseline wait until the screens are drawn.
        if (QWidget *foco = QApplication::focusWidget())
            foco->clearFocus();
        try {
            if (reserva == TdmDados::Reserva::copia)
                dmDados->abrirCopia(std::move(lido));
            else
                dmDados->carregar(nome, std::move(lido));
            controleProblemas->atualizar(false);
            controleVotantes->atualizar(false);
            // The grades arrive after the rows and the category titles after the chooser was
            // filled: the refresh asked for here, run as the scope ends, keeps a grades or
            // ranking tab on screen from showing the plan half read.
            controleNotas->atualizar(false);
        } catch (const ErroSorvane &) {
            interacao().mensagem(Icone::Informacao, erroLeitura + nome);
            limparDadosEscola();
            fmDadosEscola->definirNomePlano(dmDados->nomeArquivoOuPadrao());
        }
    }
    focarPagina();
}

void TfmPrincipal::mItemSalvarClick()
{
    salvarComo();
}

void TfmPrincipal::mItemConfigurarImpressClick()
{
    ServicoImpressao::instancia().configurar();
}

void TfmPrincipal::mItemSairClick()
{
    if (podeDeixarOPlano(false))
        QCoreApplication::exit(0);
}

void TfmPrincipal::closeEvent(QCloseEvent *evento)
{
    if (podeDeixarOPlano(false))
        evento->accept();
    else
        evento->ignore();
}

void TfmPrincipal::iItemInstituicaoClick()
{
    fmDadosEscola->exibir();
}

void TfmPrincipal::mItemGerarCedulaClick()
{
    if (!garantirArquivoDoPlano())
        return;
    JanelaDeUmUso<TfmCedula> janela(fmCedula, this);
    if (dmDados->prepararCedula())
        interacao().exibirModal(*fmCedula);
}

void TfmPrincipal::mItemGerarAtaClick()
{
    if (!garantirArquivoDoPlano())
        return;
    JanelaDeUmUso<TfmRelatorio> janela(fmRelatorio, this);
    if (dmDados->prepararAta())
        interacao().exibirModal(*fmRelatorio);
}

void TfmPrincipal::mItemGerarOrganogramaClick()
{
    if (!garantirArquivoDoPlano())
        return;
    JanelaDeUmUso<TfmDiagrama> janela(fmDiagrama, this);
    const ListaNos secoes = dmDados->prepararOrganograma();
    if (dmDados->gravacaoCancelada())
        return;
    fmDiagrama->montarOrganograma(secoes, nomeArquivoMostrado());
    interacao().exibirModal(*fmDiagrama);
}

void TfmPrincipal::mItemSobreClick()
{
    JanelaDeUmUso<TfmSobre> janela(fmSobre, this);
    interacao().exibirModal(*fmSobre);
}

void TfmPrincipal::mItemAjudaClick()
{
    JanelaDeUmUso<TfmAjuda> janela(fmAjuda, this);
    interacao().exibirModal(*fmAjuda);
}
