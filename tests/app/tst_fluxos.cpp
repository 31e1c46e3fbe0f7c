#include "analysis/TfmICProblema.h"
#include "analysis/TfmOperacoes.h"
#include "analysis/TfrOperacao.h"
#include "app/TfmPrincipal.h"
#include "data/Regional.h"
#include "data/TdmDados.h"
#include "data/TfmDadosEscola.h"
#include "documents/TfmCedula.h"
#include "documents/TfmRelatorio.h"
#include "grading/ControleNotas.h"
#include "grading/TfrCabecalhoClassificacao.h"
#include "grading/TfrClassificacao.h"
#include "grading/TfrNotas.h"
#include "problems/ControleProblemas.h"
#include "problems/TfrProblema.h"
#include "support/Componentes.h"
#include "support/Programa.h"
#include "support/Teste.h"
#include "support/data/ApoioPlano.h"
#include "support/integracao/PlanoCompleto.h"
#include "support/integracao/Usuario.h"
#include "voters/ControleVotantes.h"
#include "voters/TfrCabecalhoVotacao.h"
#include "voters/TfrCategoria.h"
#include "widgets/CaixaCor.h"
#include "widgets/MemoLimitado.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <memory>

using usuario::Aba;

namespace {

const QString espaco = QStringLiteral(" ");

QStringList textosDasAbas(const QTabWidget *abas)
{
    QStringList textos;
    for (int i = 0; i < abas->count(); ++i)
        textos.append(abas->tabText(i));
    return textos;
}

} // namespace

// The program used as a whole, through its menu commands, tabs and windows: a plan typed in
// from the start-up dialog on, ranked, printed as ballots and minutes, changed, replaced by a
// new one, and opened again with everything it held.
class TesteFluxos : public QObject {
    Q_OBJECT

private:
    QString pastaInicial;
    std::unique_ptr<Programa> programa;

    InteracaoRoteirizada &interacao() { return programa->interacao; }

    // Everything the typed plan holds, as the screens and windows show it.
    void verificarPlanoNaTela()
    {
        QCOMPARE(fmDadosEscola->nomeEscola(), plano::escola);
        QCOMPARE(fmDadosEscola->nomeDiretor(), plano::diretor);
        QCOMPARE(fmDadosEscola->dataPlano(), QDate(2026, 12, 7));
        QCOMPARE(apoio::rotuloCabecalho("lblNomeEscola")->text(), plano::escola);
        QCOMPARE(apoio::rotuloCabecalho("lblNomeDiretor")->text(), plano::diretor);

        QCOMPARE(controleProblemas->total(), 3);
        const ValorCor cores[] = {0x0000FF, -16777201, 0x800000};
        for (int p = 0; p < 3; ++p) {
            QCOMPARE(controleProblemas->nomeProblema(p), plano::problemas.at(p));
            QCOMPARE(controleProblemas->quadro(p)->corProblema(), cores[p]);
            QCOMPARE(controleProblemas->quadro(p)->cBoxCorProblema->corSelecionada(), cores[p]);
        }

        QCOMPARE(controleVotantes->total(), 2);
        QCOMPARE(controleVotantes->tituloCategoria(0), QStringLiteral("Professores"));
        QCOMPARE(controleVotantes->tituloCategoria(1), QStringLiteral("Pais"));
        QCOMPARE(controleVotantes->rotuloVotante(0, -1), QStringLiteral("PRO"));
        QCOMPARE(controleVotantes->rotuloVotante(1, 1), QStringLiteral("PAI2"));
        QCOMPARE(controleVotantes->corCategoria(0), 0x008000);
        QCOMPARE(controleVotantes->corCategoria(1), 0xFF0000);
        QCOMPARE(controleVotantes->quadro(0)->cbQuantidade->currentText(), QStringLiteral("3"));
        QCOMPARE(controleVotantes->quadro(1)->cbQuantidade->currentText(), QStringLiteral("2"));
        const QStringList nomes[] = {{"Carla", "João", "Márcia"}, {"Pedro", "Rita"}};
        for (int c = 0; c < 2; ++c)
            for (int v = 0; v < nomes[c].size(); ++v)
                QCOMPARE(controleVotantes->nomeVotante(c, v), nomes[c].at(v));

        QCOMPARE(controleNotas->total(), 3);
        for (int p = 0; p < 3; ++p)
            for (int c = 0; c < 2; ++c)
                for (int v = 0; v < plano::notas[p][c].size(); ++v)
                    QCOMPARE(controleNotas->linhaNotas(p)->tabela.nota(c, v),
                             float(plano::notas[p][c][v]));

        verificarAnaliseNaTela();
    }

    // The indicators and causes windows and the operations sheets, opened as the user does.
    void verificarAnaliseNaTela()
    {
        usuario::abrirAnalise(interacao(), 0, [this](TfmICProblema &janela) {
            QCOMPARE(janela.windowTitle(), plano::problemas.at(0));
            QCOMPARE(janela.numIndicadores(), 2);
            QCOMPARE(janela.indicador(1), plano::indicador1);
            QCOMPARE(janela.indicador(2), plano::indicador2);
            QCOMPARE(janela.numCausas(), 2);
            QCOMPARE(janela.causa(1), plano::causa1);
            QCOMPARE(janela.causa(2), plano::causa2);
            QVERIFY(!janela.sbCausa[1]->isHidden());
            QVERIFY(janela.sbCausa[2]->isHidden());

            usuario::abrirFicha(interacao(), janela, 1, [](TfmOperacoes &ficha) {
                QCOMPARE(ficha.windowTitle(), QStringLiteral("Problema: Evasão escolar"));
                QCOMPARE(ficha.lblCausa->text(), QStringLiteral("Causa: Distância até a escola"));
                QCOMPARE(textosDasAbas(ficha.pgControle),
                         (QStringList{QStringLiteral("Operação 1"), QStringLiteral("Operação 2")}));
                for (int campo = 0; campo < TfrOperacao::numCampos; ++campo)
                    QCOMPARE(ficha.operacao(0)->texto(campo), plano::operacao1.at(campo));
                QCOMPARE(ficha.operacao(1)->texto(0), QStringLiteral("Secretaria"));
                QCOMPARE(ficha.operacao(1)->texto(5), QStringLiteral("Abril"));
                QCOMPARE(ficha.operacao(1)->texto(7), QString());
                QCOMPARE(ficha.memoRevGeral->texto(), plano::revisao);
                ficha.btnAceitar->click();
            });
            usuario::abrirFicha(interacao(), janela, 2, [](TfmOperacoes &ficha) {
                QCOMPARE(ficha.numOperacoes(), 1);
                QCOMPARE(ficha.operacao(0)->texto(0), QStringLiteral("Conselho tutelar"));
                QCOMPARE(ficha.memoRevGeral->texto(), plano::revisao);
                ficha.btnAceitar->click();
            });
            janela.btnAceitar->click();
        });

        const TfmICProblema *semAnalise = controleNotas->linhaClassificacao(1)->janelaIC();
        QCOMPARE(semAnalise->numIndicadores(), 1);
        QCOMPARE(semAnalise->indicador(1), QString());
        QCOMPARE(semAnalise->numCausas(), 1);
        QCOMPARE(semAnalise->revisaoGeral(), QString());

        // Its sheet was never opened: it holds no operation yet.
        const TfmICProblema *indisciplina = controleNotas->linhaClassificacao(2)->janelaIC();
        QCOMPARE(indisciplina->indicador(1), plano::indicadorIndisciplina);
        QCOMPARE(indisciplina->causa(1), plano::causaIndisciplina);
        QCOMPARE(indisciplina->numOperacoes(0), 0);
    }

    // The minutes of the typed plan, as its window shows them.
    static QStringList ataEsperada(const QString &escola)
    {
        return {
            QStringLiteral("- Ata de Reunião -"),
            QString(),
            QStringLiteral("Escola:") + escola,
            QStringLiteral("Diretor: Conceição Araújo"),
            QStringLiteral("Data do plano: 07/12/2026"),
            QString(),
            QString(),
            QStringLiteral("Total de problemas apontados: 3"),
            espaco,
            QStringLiteral("Problema 1: Evasão escolar"),
            QStringLiteral("Descrição: descrição"),
            QString(),
            QString(),
            QStringLiteral("Problema 2: Falta de \"merenda\" & água"),
            QStringLiteral("Descrição: descrição"),
            QString(),
            QString(),
            QStringLiteral("Problema 3: Indisciplina"),
            QStringLiteral("Descrição: descrição"),
            QString(),
            QString(),
            espaco,
            QStringLiteral("Votantes:"),
            QStringLiteral("1. Professores  ( PRO )"),
            QStringLiteral("PRO1: Carla"),
            QStringLiteral("PRO2: João"),
            QStringLiteral("PRO3: Márcia"),
            espaco,
            QStringLiteral("2. Pais  ( PAI )"),
            QStringLiteral("PAI1: Pedro"),
            QStringLiteral("PAI2: Rita"),
            espaco,
            espaco,
            QStringLiteral("- Notas dos problemas -"),
            QString(),
            QStringLiteral("Problema 1: Evasão escolar"),
            QStringLiteral("Professores :"),
            QStringLiteral("PRO1 - Nota: 10"),
            QStringLiteral("PRO2 - Nota: 7"),
            QStringLiteral("PRO3 - Nota: 0"),
            espaco,
            QStringLiteral("Pais :"),
            QStringLiteral("PAI1 - Nota: 5"),
            QStringLiteral("PAI2 - Nota: 6"),
            espaco,
            QStringLiteral("Total de pontos: 28"),
            espaco,
            QStringLiteral("Problema 2: Falta de \"merenda\" & água"),
            QStringLiteral("Professores :"),
            QStringLiteral("PRO1 - Nota: 1"),
            QStringLiteral("PRO2 - Nota: 2"),
            QStringLiteral("PRO3 - Nota: 3"),
            espaco,
            QStringLiteral("Pais :"),
            QStringLiteral("PAI1 - Nota: 4"),
            QStringLiteral("PAI2 - Nota: 5"),
            espaco,
            QStringLiteral("Total de pontos: 15"),
            espaco,
            QStringLiteral("Problema 3: Indisciplina"),
            QStringLiteral("Professores :"),
            QStringLiteral("PRO1 - Nota: 9"),
            QStringLiteral("PRO2 - Nota: 9"),
            QStringLiteral("PRO3 - Nota: 9"),
            espaco,
            QStringLiteral("Pais :"),
            QStringLiteral("PAI1 - Nota: 10"),
            QStringLiteral("PAI2 - Nota: 10"),
            espaco,
            QStringLiteral("Total de pontos: 47"),
            espaco,
        };
    }

private Q_SLOTS:
    void initTestCase() { pastaInicial = QDir::currentPath(); }

    void init()
    {
        QVERIFY(apoio::entrarEmPastaDoCaso(pastaInicial));
        programa = std::make_unique<Programa>();
        plano::montar(programa->interacao);
        QVERIFY(!QTest::currentTestFailed());
        QCOMPARE(interacao().textosMensagens(), QStringList());
    }

    void cleanup()
    {
        programa.reset();
        QDir::setCurrent(pastaInicial);
    }

    void planoDigitadoEstaNasTelas()
    {
        QCOMPARE(dmDados->arquivoPlano, plano::arquivo);
        QCOMPARE(fmPrincipal->nomeArquivoMostrado(), plano::arquivo);
        QVERIFY(!apoio::rotuloCabecalho("lblNomeEscola")->isHidden());
        QCOMPARE(controleVotantes->quadro(0)->edIdentificador->text(), QStringLiteral("PRO"));
        verificarPlanoNaTela();
    }

    void cabecalhoDasNotasMostraOsVotantesDaCategoria()
    {
        usuario::mostrarAba(usuario::abaNotas);
        usuario::escolher(controleNotas->cabecalhoVotacao()->cbCategoria, 1);
        QStringList rotulos;
        QStringList dicas;
        for (int v = 0; v < 12; ++v) {
            const auto *rotulo =
                fmPrincipal->findChild<QLabel *>(QStringLiteral("rotuloVotante%1").arg(v));
            QVERIFY(rotulo);
            if (rotulo->isHidden())
                continue;
            rotulos.append(rotulo->text());
            dicas.append(rotulo->toolTip());
        }
        QCOMPARE(rotulos, (QStringList{QStringLiteral("PAI1"), QStringLiteral("PAI2")}));
        QCOMPARE(dicas, (QStringList{QStringLiteral("Pedro"), QStringLiteral("Rita")}));
        // Each row shows the grades given by the category's voters, in their boxes.
        const TfrNotas *linha = controleNotas->linhaNotas(2);
        QCOMPARE(linha->caixasNotas[0]->currentText(), QStringLiteral("10,0"));
        QCOMPARE(linha->caixasNotas[1]->currentText(), QStringLiteral("10,0"));
        QVERIFY(linha->caixasNotas[2]->isHidden());
    }

    void classificacaoSegueAsNotas()
    {
        usuario::mostrarAba(usuario::abaClassificacao);
        QCOMPARE(
            usuario::ordemClassificacao(),
            (QStringList{plano::problemas.at(2), plano::problemas.at(0), plano::problemas.at(1)}));
        QCOMPARE(usuario::totalMostrado(0), QStringLiteral("28,0"));
        QCOMPARE(usuario::totalMostrado(1), QStringLiteral("15,0"));
        QCOMPARE(usuario::totalMostrado(2), QStringLiteral("47,0"));

        // Two more tens for the second problem: 32 points, above the first one, once the
        // ranking is shown again.
        usuario::darNotas(1, 0, {10, 10});
        QCOMPARE(usuario::totalMostrado(1), QStringLiteral("15,0"));
        usuario::mostrarAba(usuario::abaClassificacao);
        QCOMPARE(usuario::totalMostrado(1), QStringLiteral("32,0"));
        QCOMPARE(
            usuario::ordemClassificacao(),
            (QStringList{plano::problemas.at(2), plano::problemas.at(1), plano::problemas.at(0)}));
    }

    void removerPeloBotaoLevaNotasEAnalise()
    {
        // The first problem goes with its grades and analysis; the others keep theirs.
        usuario::clicarProblema(0);
        usuario::pressionarRemover();
        QCOMPARE(controleProblemas->total(), 2);
        QCOMPARE(controleNotas->total(), 2);
        QCOMPARE(controleNotas->linhaClassificacao(1)->janelaIC()->indicador(1),
                 plano::indicadorIndisciplina);

        // The first category goes with its grades; the parents' grades take its place.
        usuario::clicarCategoria(0);
        usuario::pressionarRemover();
        QCOMPARE(controleVotantes->total(), 1);

        const QStringList ata = usuario::gerarDocumento(
            interacao(), &TfmPrincipal::mItemGerarAtaClick, QStringLiteral("relatorio"));
        const QStringList notas = ata.mid(ata.indexOf(QStringLiteral("- Notas dos problemas -")));
        QCOMPARE(notas,
                 (QStringList{QStringLiteral("- Notas dos problemas -"), QString(),
                              QStringLiteral("Problema 1: Falta de \"merenda\" & água"),
                              QStringLiteral("Pais :"), QStringLiteral("PAI1 - Nota: 4"),
                              QStringLiteral("PAI2 - Nota: 5"), espaco,
                              QStringLiteral("Total de pontos: 9"), espaco,
                              QStringLiteral("Problema 2: Indisciplina"), QStringLiteral("Pais :"),
                              QStringLiteral("PAI1 - Nota: 10"), QStringLiteral("PAI2 - Nota: 10"),
                              espaco, QStringLiteral("Total de pontos: 20"), espaco}));

        // The saved analysis follows the problems too.
        const QByteArray salvo = apoio::lerBytes(plano::arquivo);
        QVERIFY(!salvo.contains("Taxa de abandono"));
        QVERIFY(!salvo.contains("<op1c1>"));
        QVERIFY(salvo.contains(apoio::linhas({
            "    <causas>",
            "        <problema>",
            "            <causa operacoes=\"0\" />",
            "        </problema>",
            "        <problema>",
            "            <causa operacoes=\"0\">Regras pouco claras</causa>",
            "        </problema>",
            "    </causas>",
        })));
        usuario::mostrarAba(usuario::abaClassificacao);
        QCOMPARE(usuario::ordemClassificacao(),
                 (QStringList{plano::problemas.at(2), plano::problemas.at(1)}));
    }

    void cedulaUmaPorVotante()
    {
        const QStringList texto = usuario::gerarDocumento(
            interacao(), &TfmPrincipal::mItemGerarCedulaClick, QStringLiteral("cedula"));
        QCOMPARE(interacao().janelasModais.last(), QStringLiteral("fmCedula"));
        QCOMPARE(fmCedula, nullptr);

        const QString hoje = QStringLiteral("Data: ") + formatarData(QDate::currentDate());
        const QStringList votantes = {QStringLiteral("Professores\t\tNome: Carla"),
                                      QStringLiteral("Professores\t\tNome: João"),
                                      QStringLiteral("Professores\t\tNome: Márcia"),
                                      QStringLiteral("Pais\t\tNome: Pedro"),
                                      QStringLiteral("Pais\t\tNome: Rita")};
        QStringList cabecalhos;
        for (const QString &votante : votantes)
            cabecalhos.append(hoje + QStringLiteral("\t\tCategoria :") + votante);
        QCOMPARE(texto.filter(QStringLiteral("Data: ")), cabecalhos);
        QCOMPARE(texto.count(QStringLiteral("- Cédula de Votação -")), 5);

        // Every ballot lists every problem, in the problem list's order, with its blanks.
        QStringList problemas;
        for (const QString &linha : texto) {
            if (linha.size() > 1 && linha.at(0).isDigit() && linha.at(1) == u')') {
                QVERIFY(linha.endsWith(QStringLiteral("9__   10__")));
                problemas.append(linha.section(u':', 0, 0).trimmed());
            }
        }
        const QStringList umaCedula = {QStringLiteral("1) Evasão escolar"),
                                       QStringLiteral("2) Falta de \"merenda\" & água"),
                                       QStringLiteral("3) Indisciplina")};
        QCOMPARE(problemas, umaCedula + umaCedula + umaCedula + umaCedula + umaCedula);

        // The ballots were made from the plan saved into the current plan file.
        QCOMPARE(apoio::lerBytes(plano::arquivo), plano::bytesEsperados());
    }

    void ataComAsNotasEOsTotais()
    {
        const QStringList texto = usuario::gerarDocumento(
            interacao(), &TfmPrincipal::mItemGerarAtaClick, QStringLiteral("relatorio"));
        QCOMPARE(interacao().janelasModais.last(), QStringLiteral("fmRelatorio"));
        QCOMPARE(fmRelatorio, nullptr);
        QCOMPARE(texto, ataEsperada(plano::escola));
        QCOMPARE(apoio::lerBytes(plano::arquivo), plano::bytesEsperados());
        QCOMPARE(interacao().textosMensagens(), QStringList());
    }

    void dadosDaInstituicaoMudamOCabecalhoEOArquivo()
    {
        const QString novoNome = QStringLiteral("Escola Estadual São João Batista");
        bool parteDoPlanoDesabilitada = false;
        interacao().modais.enqueue([&](QDialog &janela) {
            auto &dialogo = static_cast<TfmDadosEscola &>(janela);
            parteDoPlanoDesabilitada = !dialogo.edNomePlanejamento->isEnabled() &&
                                       !dialogo.btnAbrirPlanejamento->isEnabled();
            usuario::substituir(dialogo.edNomeEscola, novoNome);
            dialogo.btnOk->click();
            return dialogo.result();
        });
        fmPrincipal->iItemInstituicaoClick();
        QVERIFY(parteDoPlanoDesabilitada);
        QCOMPARE(apoio::rotuloCabecalho("lblNomeEscola")->text(), novoNome);
        QCOMPARE(dmDados->arquivoPlano, plano::arquivo);

        // The next document carries the new name, and so does the plan file.
        const QStringList ata = usuario::gerarDocumento(
            interacao(), &TfmPrincipal::mItemGerarAtaClick, QStringLiteral("relatorio"));
        QCOMPARE(ata, ataEsperada(novoNome));
        QByteArray esperado = plano::bytesEsperados();
        esperado.replace("S\xC3\xA3o Jo\xC3\xA3o\"", "S\xC3\xA3o Jo\xC3\xA3o Batista\"");
        QCOMPARE(apoio::lerBytes(plano::arquivo), esperado);
    }

    void novoPlanoComecaDoZero()
    {
        const QByteArray salvo = apoio::lerBytes(plano::arquivo);
        interacao().respostas.enqueue(Resposta::Nao);
        interacao().modais.enqueue(apoio::pressionarOk(
            {QStringLiteral("Escola Nova"), {}, {}, QStringLiteral("nova.xml")}));
        fmPrincipal->mItemNovoClick();

        QCOMPARE(apoio::rotuloCabecalho("lblNomeEscola")->text(), QStringLiteral("Escola Nova"));
        QCOMPARE(fmDadosEscola->nomeDiretor(), QString());
        QCOMPARE(controleProblemas->total(), 1);
        QCOMPARE(controleProblemas->nomeProblema(0), QStringLiteral("Problema"));
        QCOMPARE(controleVotantes->total(), 1);
        QCOMPARE(controleVotantes->tituloCategoria(0), QStringLiteral("Descrição da categoria"));
        QCOMPARE(controleVotantes->quantidadeVotantes(0), 1);
        QCOMPARE(controleNotas->total(), 1);
        QCOMPARE(controleNotas->linhaNotas(0)->tabela.nota(0, 0), 0.0f);
        usuario::mostrarAba(usuario::abaClassificacao);
        QCOMPARE(usuario::totalMostrado(0), QStringLiteral("0,0"));
        const TfmICProblema *janela = controleNotas->linhaClassificacao(0)->janelaIC();
        QCOMPARE(janela->indicador(1), QString());
        QCOMPARE(janela->causa(1), QString());
        QCOMPARE(janela->revisaoGeral(), QString());

        // The new plan went into the file named for it; the previous one is as it was.
        QCOMPARE(dmDados->arquivoPlano, QStringLiteral("nova.xml"));
        const QStringList ata = usuario::gerarDocumento(
            interacao(), &TfmPrincipal::mItemGerarAtaClick, QStringLiteral("relatorio"));
        QVERIFY(ata.contains(QStringLiteral("Escola:Escola Nova")));
        QVERIFY(ata.contains(QStringLiteral("Total de problemas apontados: 1")));
        QCOMPARE(apoio::lerBytes(plano::arquivo), salvo);
        QCOMPARE(interacao().textosMensagens(), QStringList());
    }

    void abrirPlanoSalvoDevolveTudo_data()
    {
        QTest::addColumn<bool>("outroPrograma");
        QTest::addColumn<int>("aba"); // the tab on screen while the plan is opened
        QTest::newRow("no mesmo programa, depois de Novo, na classificação")
            << false << int(usuario::abaClassificacao);
        QTest::newRow("no mesmo programa, depois de Novo, nas notas")
            << false << int(usuario::abaNotas);
        QTest::newRow("num programa que começa com outro plano, nos problemas")
            << true << int(usuario::abaProblemas);
    }

    void abrirPlanoSalvoDevolveTudo()
    {
        QFETCH(bool, outroPrograma);
        QFETCH(int, aba);
        const QString salvo = QDir::current().absoluteFilePath(QStringLiteral("guardado.xml"));
        interacao().arquivos.enqueue(salvo);
        fmPrincipal->mItemSalvarClick();
        QCOMPARE(apoio::lerBytes(salvo), plano::bytesEsperados());

        if (outroPrograma) {
            programa.reset();
            programa = std::make_unique<Programa>();
            QVERIFY(programa->iniciar(apoio::pressionarOk(
                {QStringLiteral("Outra"), {}, {}, QStringLiteral("outro.xml")})));
            usuario::pressionarAdicionar();
        } else {
            interacao().respostas.enqueue(Resposta::Nao);
            fmPrincipal->mItemNovoClick();
            QCOMPARE(controleProblemas->total(), 1);
        }
        usuario::mostrarAba(Aba(aba));
        interacao().limpar();

        interacao().arquivos.enqueue(salvo);
        fmPrincipal->mItemAbrirClick();
        QCOMPARE(interacao().textosMensagens(), QStringList());
        QCOMPARE(dmDados->arquivoPlano, QStringLiteral("guardado.xml"));
        QCOMPARE(fmPrincipal->nomeArquivoMostrado(), QStringLiteral("guardado.xml"));

        // Before any tab changes: the grades and the ranking already show the plan read.
        const TfrCabecalhoVotacao *cabecalho = controleNotas->cabecalhoVotacao();
        QCOMPARE(cabecalho->cbCategoria->currentText(), QStringLiteral("Professores"));
        QCOMPARE(cabecalho->cbCategoria->count(), 2);
        QCOMPARE(cabecalho->cbCategoria->itemText(1), QStringLiteral("Pais"));
        QCOMPARE(cabecalho->rotulosVotantes[2]->text(), QStringLiteral("PRO3"));
        QCOMPARE(cabecalho->rotulosVotantes[2]->toolTip(), QStringLiteral("Márcia"));
        QVERIFY(cabecalho->rotulosVotantes[3]->isHidden());
        for (int p = 0; p < 3; ++p)
            QCOMPARE(controleNotas->linhaNotas(p)->titulo(), plano::problemas.at(p));
        apoio::montarQuadros(); // as the grades tab shows them
        QCOMPARE(controleNotas->linhaNotas(0)->caixasNotas[0]->currentText(),
                 QStringLiteral("10,0"));
        QCOMPARE(controleNotas->linhaNotas(0)->caixasNotas[1]->currentText(),
                 QStringLiteral("7,0"));
        QCOMPARE(
            usuario::ordemClassificacao(),
            (QStringList{plano::problemas.at(2), plano::problemas.at(0), plano::problemas.at(1)}));
        QCOMPARE(usuario::totalMostrado(2), QStringLiteral("47,0"));
        const TfrCabecalhoClassificacao *colunas = controleNotas->cabecalhoClassificacao();
        QCOMPARE(colunas->rotulosColunas[2]->text(), QStringLiteral("PAI"));
        QCOMPARE(colunas->rotulosColunas[2]->toolTip(), QStringLiteral("Pais"));
        QCOMPARE(controleNotas->linhaClassificacao(2)->janelaIC()->windowTitle(),
                 plano::problemas.at(2));

        verificarPlanoNaTela();
        QVERIFY(!dmDados->planoAlterado()); // opening and looking is no change to save
        const QStringList ata = usuario::gerarDocumento(
            interacao(), &TfmPrincipal::mItemGerarAtaClick, QStringLiteral("relatorio"));
        QCOMPARE(ata, ataEsperada(plano::escola));
        QCOMPARE(apoio::lerBytes(salvo), plano::bytesEsperados());
    }
};

SORVANE_TESTE_MAIN(TesteFluxos)
#include "tst_fluxos.moc"
