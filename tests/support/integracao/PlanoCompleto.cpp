#include "support/integracao/PlanoCompleto.h"

#include "analysis/TfmICProblema.h"
#include "analysis/TfmOperacoes.h"
#include "analysis/TfrOperacao.h"
#include "app/Inicializacao.h"
#include "support/data/ApoioPlano.h"
#include "support/integracao/Usuario.h"
#include "widgets/MemoLimitado.h"

#include <QPushButton>
#include <QToolButton>
#include <QtTest>

namespace plano {

namespace {

constexpr ValorCor vermelho = 0x0000FF;
constexpr ValorCor faceDoBotao = -16777201; // the system colour of button faces
constexpr ValorCor azulMarinho = 0x800000;
constexpr ValorCor verde = 0x008000;
constexpr ValorCor azul = 0xFF0000;

void digitarOperacao(TfmOperacoes &ficha, int indice, const QStringList &campos)
{
    TfrOperacao *operacao = ficha.operacao(indice);
    QVERIFY(operacao);
    for (int campo = 0; campo < campos.size(); ++campo)
        usuario::digitar(operacao->memo(campo), campos.at(campo));
}

void analisarEvasao(InteracaoRoteirizada &interacao, TfmICProblema &janela)
{
    usuario::editarCelula(janela.sgIndicadores, 1, 1, indicador1);
    janela.sbAdicionarIndicador->click();
    usuario::editarCelula(janela.sgCausas, 1, 1, causa1);

    usuario::abrirFicha(interacao, janela, 1, [](TfmOperacoes &ficha) {
        digitarOperacao(ficha, 0, operacao1);
        ficha.btnAdicionar->click();
        digitarOperacao(ficha, 1,
                        {QStringLiteral("Secretaria"), {}, {}, {}, {}, QStringLiteral("Abril")});
        usuario::digitar(ficha.memoRevGeral,
                         QStringLiteral("Rever em reunião de pais.\nMetas: ação até junho"));
        ficha.btnAceitar->click();
    });

    janela.sbAdicionarCausa->click();
    usuario::editarCelula(janela.sgCausas, 2, 1, causa2);
    usuario::abrirFicha(interacao, janela, 2, [](TfmOperacoes &ficha) {
        // The review belongs to the problem: the second cause's sheet shows what the first
        // one's took, and adds a line to it.
        QCOMPARE(ficha.memoRevGeral->texto(),
                 QStringLiteral("Rever em reunião de pais.\nMetas: ação até junho"));
        QTest::keyClick(ficha.memoRevGeral, Qt::Key_End, Qt::ControlModifier);
        usuario::digitar(ficha.memoRevGeral, QStringLiteral("\nÚltima revisão: dezembro"));
        digitarOperacao(ficha, 0, {QStringLiteral("Conselho tutelar")});
        ficha.btnAceitar->click();
    });

    // The second indicator is typed last and left in its cell's editor: "Voltar" keeps it.
    usuario::editarCelula(janela.sgIndicadores, 2, 1, indicador2, false);
    janela.btnAceitar->click();
}

void analisarIndisciplina(TfmICProblema &janela)
{
    usuario::editarCelula(janela.sgIndicadores, 1, 1, indicadorIndisciplina);
    usuario::editarCelula(janela.sgCausas, 1, 1, causaIndisciplina);
    janela.btnAceitar->click();
}

} // namespace

void montar(InteracaoRoteirizada &interacao)
{
    interacao.modais.enqueue(apoio::pressionarOk({escola, diretor, data, arquivo}));
    QVERIFY(iniciarPlano());

    usuario::preencherProblema(0, problemas.at(0), vermelho);
    usuario::preencherProblema(1, problemas.at(1), faceDoBotao);
    usuario::preencherProblema(2, problemas.at(2), azulMarinho);

    // The identifiers are typed in small letters; the edit makes them capitals.
    usuario::preencherCategoria(
        0, {QStringLiteral("Professores"),
            QStringLiteral("pro"),
            verde,
            {QStringLiteral("Carla"), QStringLiteral("João"), QStringLiteral("Márcia")}});
    usuario::preencherCategoria(1, {QStringLiteral("Pais"),
                                    QStringLiteral("PAI"),
                                    azul,
                                    {QStringLiteral("Pedro"), QStringLiteral("Rita")}});

    for (int p = 0; p < notas.size(); ++p)
        for (int c = 0; c < notas.at(p).size(); ++c)
            usuario::darNotas(p, c, notas.at(p).at(c));

    usuario::abrirAnalise(interacao, 0,
                          [&](TfmICProblema &janela) { analisarEvasao(interacao, janela); });
    usuario::abrirAnalise(interacao, 2, analisarIndisciplina);
}

QByteArray bytesEsperados()
{
    return apoio::linhas({
        "<planejamento xmlns=\"xmlns\">",
        "    <escola nome=\"Escola Estadual S\xC3\xA3o Jo\xC3\xA3o\" "
        "diretor=\"Concei\xC3\xA7\xC3\xA3o Ara\xC3\xBAjo\" data=\"07/12/2026\" />",
        "    <problemas maximo=\"10\" total=\"3\">",
        "        <problema nome=\"Evas\xC3\xA3o escolar\" "
        "cor=\"255\">descri\xC3\xA7\xC3\xA3o</problema>",
        "        <problema nome=\"Falta de &quot;merenda&quot; &amp; \xC3\xA1gua\" "
        "cor=\"-16777201\">descri\xC3\xA7\xC3\xA3o</problema>",
        "        <problema nome=\"Indisciplina\" "
        "cor=\"8388608\">descri\xC3\xA7\xC3\xA3o</problema>",
        "    </problemas>",
        "    <categorias maximo=\"12\" total=\"2\">",
        "        <categoria titulo=\"Professores\" id=\"PRO\" cor=\"32768\">",
        "            <votante>Carla</votante>",
        "            <votante>Jo\xC3\xA3o</votante>",
        "            <votante>M\xC3\xA1rcia</votante>",
        "        </categoria>",
        "        <categoria titulo=\"Pais\" id=\"PAI\" cor=\"16711680\">",
        "            <votante>Pedro</votante>",
        "            <votante>Rita</votante>",
        "        </categoria>",
        "    </categorias>",
        "    <notas>",
        "        <problema nome=\"Evas\xC3\xA3o escolar\">",
        "            <categoria nome=\"Professores\">",
        "                <nota>10</nota>",
        "                <nota>7</nota>",
        "                <nota>0</nota>",
        "            </categoria>",
        "            <categoria nome=\"Pais\">",
        "                <nota>5</nota>",
        "                <nota>6</nota>",
        "            </categoria>",
        "        </problema>",
        "        <problema nome=\"Falta de &quot;merenda&quot; &amp; \xC3\xA1gua\">",
        "            <categoria nome=\"Professores\">",
        "                <nota>1</nota>",
        "                <nota>2</nota>",
        "                <nota>3</nota>",
        "            </categoria>",
        "            <categoria nome=\"Pais\">",
        "                <nota>4</nota>",
        "                <nota>5</nota>",
        "            </categoria>",
        "        </problema>",
        "        <problema nome=\"Indisciplina\">",
        "            <categoria nome=\"Professores\">",
        "                <nota>9</nota>",
        "                <nota>9</nota>",
        "                <nota>9</nota>",
        "            </categoria>",
        "            <categoria nome=\"Pais\">",
        "                <nota>10</nota>",
        "                <nota>10</nota>",
        "            </categoria>",
        "        </problema>",
        "    </notas>",
        "    <indicadores>",
        "        <problema>",
        "            <indicador>Taxa de abandono &lt; 5% &amp; faltas</indicador>",
        "            <indicador>Frequ\xC3\xAAncia \xC3\xA0s sextas-feiras</indicador>",
        "        </problema>",
        "        <problema>",
        "            <indicador />",
        "        </problema>",
        "        <problema>",
        "            <indicador>Ocorr\xC3\xAAncias por m\xC3\xAAs</indicador>",
        "        </problema>",
        "    </indicadores>",
        "    <causas>",
        "        <problema>",
        "            <causa operacoes=\"2\">Dist\xC3\xA2ncia at\xC3\xA9 a escola</causa>",
        "            <causa operacoes=\"1\">Trabalho infantil</causa>",
        "        </problema>",
        "        <problema>",
        "            <causa operacoes=\"0\" />",
        "        </problema>",
        "        <problema>",
        "            <causa operacoes=\"0\">Regras pouco claras</causa>",
        "        </problema>",
        "    </causas>",
        "    <operacoes>",
        "        <problema>",
        "            <op1c1>",
        "                <quem>Coordena\xC3\xA7\xC3\xA3o pedag\xC3\xB3gica</quem>",
        "                <oque>Mapear rotas",
        "de \xC3\xB4nibus</oque>",
        "                <fisico>Vans</fisico>",
        "                <humano>Dois motoristas</humano>",
        "                <financeiro>R$ 1.200,00 por m\xC3\xAAs</financeiro>",
        "                <prazo>Mar\xC3\xA7o de 2027</prazo>",
        "                <resultado>Evas\xC3\xA3o abaixo de 5%</resultado>",
        "                <avaliacao>Mensal, com a fam\xC3\xADlia",
        "",
        "em roda de conversa</avaliacao>",
        "            </op1c1>",
        "            <op1c2>",
        "                <quem>Secretaria</quem>",
        "                <oque />",
        "                <fisico />",
        "                <humano />",
        "                <financeiro />",
        "                <prazo>Abril</prazo>",
        "                <resultado />",
        "                <avaliacao />",
        "            </op1c2>",
        "            <op2c1>",
        "                <quem>Conselho tutelar</quem>",
        "                <oque />",
        "                <fisico />",
        "                <humano />",
        "                <financeiro />",
        "                <prazo />",
        "                <resultado />",
        "                <avaliacao />",
        "            </op2c1>",
        "            <revisao>Rever em reuni\xC3\xA3o de pais.",
        "Metas: a\xC3\xA7\xC3\xA3o at\xC3\xA9 junho",
        "\xC3\x9Altima revis\xC3\xA3o: dezembro</revisao>",
        "        </problema>",
        "        <problema>",
        "            <revisao />",
        "        </problema>",
        "        <problema>",
        "            <revisao />",
        "        </problema>",
        "    </operacoes>",
        "</planejamento>",
    });
}

} // namespace plano
