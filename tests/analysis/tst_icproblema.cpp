#include "analysis/TfmICProblema.h"
#include "analysis/TfmOperacoes.h"
#include "analysis/TfrOperacao.h"
#include "support/InteracaoRoteirizada.h"
#include "support/Teste.h"
#include "support/analysis/SecoesAnalise.h"
#include "widgets/MemoLimitado.h"

#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolButton>

// The indicators and causes window: its grids and their rules, the cause sheets it creates,
// opens and destroys, the shared review, and its part of the plan file.
class TesteICProblema : public QObject {
    Q_OBJECT

private:
    static QStringList codigos(const QTableWidget *grade)
    {
        QStringList textos;
        for (int linha = 1; linha < grade->rowCount(); ++linha)
            textos.append(grade->item(linha, 0)->text());
        return textos;
    }

    static QList<bool> botoesVisiveis(const TfmICProblema &janela)
    {
        QList<bool> visiveis;
        for (const QToolButton *botao : janela.sbCausa)
            visiveis.append(!botao->isHidden());
        return visiveis;
    }

    static TfmOperacoes &comoFicha(QDialog &janela)
    {
        auto *ficha = qobject_cast<TfmOperacoes *>(&janela);
        if (!ficha)
            qFatal("Esperava uma ficha de operações");
        return *ficha;
    }

    // Five indicators and three causes with 2, 1 and 3 operations, texts over several lines
    // with accents, and a review.
    static void preencherAnaliseCompleta(TfmICProblema &janela)
    {
        for (int k = 2; k <= 5; ++k)
            janela.sbAdicionarIndicadorClick();
        for (int k = 1; k <= 5; ++k)
            janela.definirIndicador(k,
                                    QStringLiteral("Indicador nº %1: evasão & \"faltas\"").arg(k));
        janela.sbAdicionarCausaClick(janela.sbAdicionarCausa);
        janela.sbAdicionarCausaClick(janela.sbAdicionarCausa);
        const int operacoes[] = {2, 1, 3};
        for (int c = 0; c < 3; ++c) {
            janela.definirCausa(c + 1,
                                QStringLiteral("Causa %1 — distância até a escola").arg(c + 1));
            TfmOperacoes &ficha = *janela.ficha(c);
            while (ficha.numOperacoes() < operacoes[c])
                ficha.btnAdicionarClick();
            for (int j = 0; j < ficha.numOperacoes(); ++j) {
                for (int campo = 0; campo < TfrOperacao::numCampos; ++campo) {
                    ficha.operacao(j)->definirTexto(
                        campo, QStringLiteral("C%1 O%2 campo %3\nsegunda linha: ação, "
                                              "orçamento\n\nfim")
                                   .arg(c + 1)
                                   .arg(j + 1)
                                   .arg(campo));
                }
            }
        }
        janela.definirRevisao(QStringLiteral("Revisão geral:\r\nmetas revistas em março."));
    }

    static QByteArray comCausa(const QByteArray &causa, const QByteArray &operacoes)
    {
        return "<planejamento xmlns=\"xmlns\">"
               "<indicadores><problema><indicador>i</indicador></problema></indicadores>"
               "<causas><problema>" +
               causa +
               "</problema></causas>"
               "<operacoes><problema>" +
               operacoes + "</problema></operacoes></planejamento>";
    }

    static QByteArray operacao(const QByteArray &marca)
    {
        QByteArray campos;
        for (const char *nome :
             {"quem", "oque", "fisico", "humano", "financeiro", "prazo", "resultado", "avaliacao"})
            campos += QByteArray("<") + nome + ">" + marca + "</" + nome + ">";
        return "<op>" + campos + "</op>";
    }

private Q_SLOTS:
    void janelaNova()
    {
        TfmICProblema janela;
        QCOMPARE(janela.windowTitle(), QStringLiteral("Indicadores e Causas do Problema"));
        QCOMPARE(janela.size(), QSize(631, 370));
        QCOMPARE(janela.numIndicadores(), 1);
        QCOMPARE(janela.numCausas(), 1);
        QCOMPARE(codigos(janela.sgIndicadores), QStringList{QStringLiteral("I1")});
        QCOMPARE(codigos(janela.sgCausas), QStringList{QStringLiteral("C1")});
        QCOMPARE(janela.sgIndicadores->item(0, 1)->text(), QStringLiteral("Indicador"));
        QCOMPARE(janela.sgCausas->item(0, 1)->text(), QStringLiteral("Causa"));
        QCOMPARE(janela.indicador(1), QString());
        QCOMPARE(janela.causa(1), QString());
        QCOMPARE(botoesVisiveis(janela), (QList<bool>{true, false, false}));
        QVERIFY(janela.ficha(0));
        QCOMPARE(janela.ficha(0)->numOperacoes(), 0);
        QVERIFY(!janela.ficha(1));

        // Codes and headers are not editable; the texts are.
        QVERIFY(!(janela.sgIndicadores->item(1, 0)->flags() & Qt::ItemIsEditable));
        QVERIFY(!(janela.sgCausas->item(0, 1)->flags() & Qt::ItemIsEditable));
        QVERIFY(janela.sgIndicadores->item(1, 1)->flags() & Qt::ItemIsEditable);
    }

    void indicadoresNosLimites()
    {
        TfmICProblema janela;
        janela.sbAdicionarIndicador->click();
        QCOMPARE(codigos(janela.sgIndicadores), (QStringList{"I1", "I2"}));
        for (int vez = 0; vez < 6; ++vez)
            janela.sbAdicionarIndicador->click();
        QCOMPARE(janela.numIndicadores(), 5);
        QCOMPARE(janela.sgIndicadores->rowCount(), 6);
        QCOMPARE(codigos(janela.sgIndicadores), (QStringList{"I1", "I2", "I3", "I4", "I5"}));

        janela.definirIndicador(4, QStringLiteral("quarto"));
        janela.definirIndicador(5, QStringLiteral("quinto"));
        janela.sbRemoverIndicador->click();
        QCOMPARE(janela.numIndicadores(), 4);
        QCOMPARE(janela.sgIndicadores->rowCount(), 5);
        janela.sbAdicionarIndicador->click();
        QCOMPARE(janela.indicador(5), QString());
        QCOMPARE(janela.indicador(4), QStringLiteral("quarto"));

        for (int vez = 0; vez < 4; ++vez)
            janela.sbRemoverIndicador->click();
        janela.definirIndicador(1, QStringLiteral("único"));
        janela.sbRemoverIndicador->click();
        QCOMPARE(janela.numIndicadores(), 1);
        QCOMPARE(janela.sgIndicadores->rowCount(), 2);
        QCOMPARE(codigos(janela.sgIndicadores), QStringList{"I1"});
        QCOMPARE(janela.indicador(1), QString());
    }

    void causaRemovidaLevaSuaFicha()
    {
        TfmICProblema janela;
        for (int vez = 0; vez < 4; ++vez)
            janela.sbAdicionarCausa->click();
        QCOMPARE(janela.numCausas(), 3);
        QCOMPARE(codigos(janela.sgCausas), (QStringList{"C1", "C2", "C3"}));
        // Added by the user: one operation each; the first one was never opened.
        QCOMPARE(janela.ficha(0)->numOperacoes(), 0);
        QCOMPARE(janela.ficha(1)->numOperacoes(), 1);
        janela.definirCausa(3, QStringLiteral("terceira"));
        QPointer<TfmOperacoes> antiga = janela.ficha(2);
        antiga->operacao(0)->memoQuem->definirTexto(QStringLiteral("antiga"));

        janela.sbRemoverCausa->click();
        QCOMPARE(janela.numCausas(), 2);
        QCOMPARE(janela.sgCausas->rowCount(), 3);
        QCOMPARE(botoesVisiveis(janela), (QList<bool>{true, true, false}));
        QVERIFY(antiga.isNull());
        QVERIFY(!janela.ficha(2));

        janela.sbAdicionarCausa->click();
        QCOMPARE(janela.causa(3), QString());
        QCOMPARE(botoesVisiveis(janela), (QList<bool>{true, true, true}));
        QCOMPARE(janela.ficha(2)->numOperacoes(), 1);
        QCOMPARE(janela.ficha(2)->operacao(0)->texto(0), QString());
    }

    void removerAUnicaCausaDeixaUmaOperacaoVazia_data()
    {
        QTest::addColumn<int>("operacoes");
        QTest::newRow("nunca aberta") << 0;
        QTest::newRow("uma") << 1;
        QTest::newRow("três") << 3;
    }

    void removerAUnicaCausaDeixaUmaOperacaoVazia()
    {
        QFETCH(int, operacoes);
        TfmICProblema janela;
        TfmOperacoes *ficha = janela.ficha(0);
        for (int j = 0; j < operacoes; ++j) {
            ficha->btnAdicionarClick();
            ficha->operacao(j)->memoAvaliacao->definirTexto(QStringLiteral("texto"));
        }
        janela.definirCausa(1, QStringLiteral("causa única"));
        janela.definirRevisao(QStringLiteral("revisão mantida"));

        janela.sbRemoverCausa->click();
        QCOMPARE(janela.numCausas(), 1);
        QCOMPARE(janela.causa(1), QString());
        QCOMPARE(janela.ficha(0), ficha);
        QCOMPARE(ficha->numOperacoes(), 1);
        QCOMPARE(ficha->pgControle->count(), 1);
        QCOMPARE(ficha->pgControle->tabText(0), QStringLiteral("Operação 1"));
        QCOMPARE(ficha->operacao(0)->texto(7), QString());
        QCOMPARE(janela.revisaoGeral(), QStringLiteral("revisão mantida"));
    }

    void abrirAFichaMostraProblemaCausaERevisao()
    {
        InteracaoRoteirizada roteiro;
        TfmICProblema janela;
        janela.setWindowTitle(QStringLiteral("Evasão escolar"));
        janela.sbAdicionarCausa->click();
        janela.definirCausa(2, QStringLiteral("Falta de transporte"));
        janela.definirRevisao(QStringLiteral("antes"));

        QString titulo;
        QString causa;
        QString revisao;
        int operacoes = -1;
        Qt::TextFormat formato = Qt::AutoText;
        roteiro.modais.enqueue([&](QDialog &dialogo) {
            TfmOperacoes &ficha = comoFicha(dialogo);
            titulo = ficha.windowTitle();
            causa = ficha.lblCausa->text();
            revisao = ficha.memoRevGeral->texto();
            operacoes = ficha.numOperacoes();
            formato = ficha.lblCausa->textFormat();
            return int(QDialog::Accepted);
        });
        roteiro.modais.enqueue([&](QDialog &dialogo) {
            operacoes = comoFicha(dialogo).numOperacoes();
            return int(QDialog::Accepted);
        });
        janela.sbCausa[1]->click();
        QCOMPARE(roteiro.janelasModais, QStringList{QStringLiteral("fmOperacoes")});
        QCOMPARE(titulo, QStringLiteral("Problema: Evasão escolar"));
        QCOMPARE(causa, QStringLiteral("Causa: Falta de transporte"));
        QCOMPARE(formato, Qt::PlainText); // a cause is shown as typed, never as markup
        QCOMPARE(revisao, QStringLiteral("antes"));
        QCOMPARE(operacoes, 1);

        // The constructor's sheet was never opened: it gets its first operation now.
        QCOMPARE(janela.ficha(0)->numOperacoes(), 0);
        operacoes = -1;
        janela.sbCausa[0]->click();
        QCOMPARE(operacoes, 1);
    }

    void revisaoEditadaNaCausa2ApareceNaCausa1_data()
    {
        QTest::addColumn<int>("resultado");
        QTest::newRow("Voltar") << int(QDialog::Accepted);
        QTest::newRow("caixa de fechar") << int(QDialog::Rejected);
    }

    void revisaoEditadaNaCausa2ApareceNaCausa1()
    {
        QFETCH(int, resultado);
        InteracaoRoteirizada roteiro;
        TfmICProblema janela;
        janela.sbAdicionarCausa->click();
        const QString editada = QStringLiteral("Revisão\ncom duas linhas");
        roteiro.modais.enqueue([&](QDialog &dialogo) {
            comoFicha(dialogo).memoRevGeral->definirTexto(editada);
            return resultado;
        });
        QString vistaNaCausa1;
        roteiro.modais.enqueue([&](QDialog &dialogo) {
            vistaNaCausa1 = comoFicha(dialogo).memoRevGeral->texto();
            return int(QDialog::Accepted);
        });
        janela.sbCausa[1]->click();
        QCOMPARE(janela.revisaoGeral(), editada);
        janela.sgCausas->setCurrentCell(1, 0);
        janela.sgCausasDblClick(janela.sgCausas);
        QCOMPARE(roteiro.janelasModais.size(), 2);
        QCOMPARE(vistaNaCausa1, editada);
    }

    void duploCliqueForaDasCausasNaoAbreFicha_data()
    {
        QTest::addColumn<int>("linha");
        QTest::newRow("cabeçalho") << 0;
        QTest::newRow("nenhuma linha") << -1;
    }

    void duploCliqueForaDasCausasNaoAbreFicha()
    {
        QFETCH(int, linha);
        InteracaoRoteirizada roteiro;
        TfmICProblema janela;
        janela.definirRevisao(QStringLiteral("intacta"));
        janela.sgCausas->setCurrentCell(linha, 0);
        janela.sgCausasDblClick(janela.sgCausas);
        QVERIFY(roteiro.janelasModais.isEmpty());
        QCOMPARE(janela.revisaoGeral(), QStringLiteral("intacta"));
    }

    void textoAindaEmEdicaoNaoSePerde()
    {
        InteracaoRoteirizada roteiro;
        TfmICProblema janela;
        janela.show();
        QString causa;
        roteiro.modais.enqueue([&](QDialog &dialogo) {
            causa = comoFicha(dialogo).lblCausa->text();
            return int(QDialog::Accepted);
        });
        auto digitarNaCelula = [](QTableWidget *grade, const QString &texto) {
            grade->setCurrentCell(1, 1);
            grade->editItem(grade->item(1, 1));
            auto *editor = grade->viewport()->findChild<QLineEdit *>();
            QVERIFY(editor);
            editor->setText(texto);
        };
        digitarNaCelula(janela.sgCausas, QStringLiteral("digitada"));
        janela.sbCausa[0]->click();
        QCOMPARE(causa, QStringLiteral("Causa: digitada"));
        QCOMPARE(janela.causa(1), QStringLiteral("digitada"));

        digitarNaCelula(janela.sgIndicadores, QStringLiteral("ao fechar"));
        janela.close();
        QCOMPARE(janela.indicador(1), QStringLiteral("ao fechar"));
    }

    void duploCliqueNaLinhaAbreAFichaDaCausa()
    {
        InteracaoRoteirizada roteiro;
        TfmICProblema janela;
        janela.sbAdicionarCausa->click();
        janela.definirCausa(2, QStringLiteral("segunda"));
        janela.show();
        QString causa;
        roteiro.modais.enqueue([&](QDialog &dialogo) {
            causa = comoFicha(dialogo).lblCausa->text();
            return int(QDialog::Accepted);
        });
        const QRect celula = janela.sgCausas->visualItemRect(janela.sgCausas->item(2, 1));
        // A double-click arrives as a press, a release and a second press that is a double-click.
        QTest::mouseClick(janela.sgCausas->viewport(), Qt::LeftButton, {}, celula.center());
        QTest::mouseDClick(janela.sgCausas->viewport(), Qt::LeftButton, {}, celula.center());
        QCOMPARE(causa, QStringLiteral("Causa: segunda"));
        // The double-click opens the sheet; it does not leave the cell in editing.
        QVERIFY(!janela.sgCausas->viewport()->findChild<QLineEdit *>());
    }

    void janelaNovaGravaUmIndicadorEUmaCausaVazios()
    {
        TfmICProblema janela;
        const QByteArray esperado = "<planejamento xmlns=\"xmlns\">\r\n"
                                    "    <indicadores>\r\n"
                                    "        <problema>\r\n"
                                    "            <indicador />\r\n"
                                    "        </problema>\r\n"
                                    "    </indicadores>\r\n"
                                    "    <causas>\r\n"
                                    "        <problema>\r\n"
                                    "            <causa operacoes=\"0\" />\r\n"
                                    "        </problema>\r\n"
                                    "    </causas>\r\n"
                                    "    <operacoes>\r\n"
                                    "        <problema>\r\n"
                                    "            <revisao />\r\n"
                                    "        </problema>\r\n"
                                    "    </operacoes>\r\n"
                                    "</planejamento>\r\n";
        QCOMPARE(analise::gravar({&janela}), esperado);
    }

    void analiseCompletaIdaEVoltaSemPerdas()
    {
        TfmICProblema completa;
        preencherAnaliseCompleta(completa);
        TfmICProblema segunda;
        segunda.definirIndicador(1, QStringLiteral("só um"));
        segunda.definirRevisao(QStringLiteral("outra revisão"));

        const QByteArray gravado = analise::gravar({&completa, &segunda});
        QCOMPARE(analise::nomesDosFilhos(gravado, QStringLiteral("operacoes"), 0),
                 (QStringList{"op1c1", "op1c2", "op2c1", "op3c1", "op3c2", "op3c3", "revisao"}));
        QCOMPARE(analise::nomesDosFilhos(gravado, QStringLiteral("indicadores"), 0).size(), 5);
        QVERIFY(gravado.contains("<causa operacoes=\"2\">Causa 1 \xE2\x80\x94 dist\xC3\xA2ncia"));
        QVERIFY(gravado.contains("<causa operacoes=\"1\">Causa 2"));
        QVERIFY(gravado.contains("<causa operacoes=\"3\">Causa 3"));
        QVERIFY(gravado.contains("<quem>C3 O3 campo 0\r\nsegunda linha: a\xC3\xA7\xC3\xA3o, "
                                 "or\xC3\xA7\x61mento\r\n\r\nfim</quem>"));
        QVERIFY(gravado.contains(
            "<revisao>Revis\xC3\xA3o geral:\r\nmetas revistas em mar\xC3\xA7o.</revisao>"));
        QCOMPARE(analise::nomesDosFilhos(gravado, QStringLiteral("operacoes"), 1),
                 (QStringList{"revisao"}));

        TfmICProblema lida1;
        TfmICProblema lida2;
        QVERIFY(analise::ler(gravado, {&lida1, &lida2}));
        QCOMPARE(analise::gravar({&lida1, &lida2}), gravado);

        QCOMPARE(lida1.numIndicadores(), 5);
        QCOMPARE(lida1.numCausas(), 3);
        QCOMPARE(botoesVisiveis(lida1), (QList<bool>{true, true, true}));
        QCOMPARE(lida1.ficha(2)->numOperacoes(), 3);
        QCOMPARE(lida1.ficha(2)->operacao(1)->texto(6), completa.ficha(2)->operacao(1)->texto(6));
        QCOMPARE(lida1.revisaoGeral(), QStringLiteral("Revisão geral:\nmetas revistas em março."));
        QCOMPARE(lida2.indicador(1), QStringLiteral("só um"));
        QCOMPARE(lida2.revisaoGeral(), QStringLiteral("outra revisão"));
    }

    // Reading builds no sheet; opening one shows what was read, and a save mixes the texts of
    // the sheet opened and edited with those of the causes never opened.
    void fichaNasceAoAbrirComOQueFoiLido()
    {
        TfmICProblema completa;
        preencherAnaliseCompleta(completa);
        const QByteArray gravado = analise::gravar({&completa});

        TfmICProblema lida;
        QVERIFY(analise::ler(gravado, {&lida}));
        const int operacoes[] = {2, 1, 3};
        for (int c = 0; c < 3; ++c) {
            QVERIFY(!lida.fichaConstruida(c));
            QCOMPARE(lida.numOperacoes(c), operacoes[c]);
        }
        QCOMPARE(analise::gravar({&lida}), gravado);

        InteracaoRoteirizada roteiro;
        QStringList vistos;
        roteiro.modais.enqueue([&](QDialog &dialogo) {
            TfmOperacoes &ficha = comoFicha(dialogo);
            for (int j = 0; j < ficha.numOperacoes(); ++j)
                vistos.append(ficha.operacao(j)->texto(5));
            ficha.operacao(2)->memoPrazo->definirTexto(QStringLiteral("dezembro"));
            return int(QDialog::Accepted);
        });
        lida.sbCausa[2]->click();
        QCOMPARE(vistos, (QStringList{completa.ficha(2)->operacao(0)->texto(5),
                                      completa.ficha(2)->operacao(1)->texto(5),
                                      completa.ficha(2)->operacao(2)->texto(5)}));
        QVERIFY(!lida.fichaConstruida(0));
        QVERIFY(lida.fichaConstruida(2));

        completa.ficha(2)->operacao(2)->memoPrazo->definirTexto(QStringLiteral("dezembro"));
        QCOMPARE(analise::gravar({&lida}), analise::gravar({&completa}));

        // Removing the only cause empties its operations whether its sheet was built or not.
        TfmICProblema umaCausa;
        QVERIFY(analise::ler(
            comCausa("<causa operacoes=\"2\">c</causa>", operacao("a") + operacao("b") + "<r/>"),
            {&umaCausa}));
        umaCausa.sbRemoverCausaClick();
        QVERIFY(!umaCausa.fichaConstruida(0));
        QCOMPARE(umaCausa.numOperacoes(0), 1);
        QCOMPARE(umaCausa.ficha(0)->operacao(0)->texto(0), QString());
    }

    void leituraSubstituiOQueAJanelaTinha()
    {
        TfmICProblema janela;
        preencherAnaliseCompleta(janela);
        QPointer<TfmOperacoes> antigas[] = {janela.ficha(0), janela.ficha(1), janela.ficha(2)};

        QVERIFY(analise::ler(
            comCausa("<causa operacoes=\"1\">nova</causa>", operacao("x") + "<r/>"), {&janela}));
        QCOMPARE(janela.numIndicadores(), 1);
        QCOMPARE(janela.indicador(1), QStringLiteral("i"));
        QCOMPARE(janela.sgIndicadores->rowCount(), 2);
        QCOMPARE(janela.numCausas(), 1);
        QCOMPARE(janela.sgCausas->rowCount(), 2);
        QCOMPARE(janela.causa(1), QStringLiteral("nova"));
        QCOMPARE(botoesVisiveis(janela), (QList<bool>{true, false, false}));
        for (const QPointer<TfmOperacoes> &antiga : antigas)
            QVERIFY(antiga.isNull());
        QCOMPARE(janela.ficha(0)->numOperacoes(), 1);
        QCOMPARE(janela.ficha(0)->operacao(0)->texto(3), QStringLiteral("x"));
        QCOMPARE(janela.revisaoGeral(), QString());
    }

    void leituraDosIndicadores_data()
    {
        QTest::addColumn<QByteArray>("problema");
        QTest::addColumn<QStringList>("esperados");
        QTest::newRow("sem filhos") << QByteArray("<problema/>") << QStringList{QString()};
        QTest::newRow("nomes não contam")
            << QByteArray("<problema><a>um</a><b/><indicador>três</indicador></problema>")
            << QStringList{"um", "", "três"};
        QTest::newRow("mais de cinco")
            << QByteArray("<problema><i>1</i><i>2</i><i>3</i><i>4</i><i>5</i><i>6</i><i>7</i>"
                          "</problema>")
            << QStringList{"1", "2", "3", "4", "5"};
    }

    void leituraDosIndicadores()
    {
        QFETCH(QByteArray, problema);
        QFETCH(QStringList, esperados);
        TfmICProblema janela;
        for (int k = 0; k < 4; ++k)
            janela.sbAdicionarIndicadorClick();
        janela.definirIndicador(1, QStringLiteral("antigo"));
        DocumentoXml documento;
        documento.carregarBytes(problema);
        AnaliseProblema lida = janela.analise();
        lida.carregarIndicadores(documento.raiz());
        janela.assumir(lida);
        QStringList lidos;
        for (int k = 1; k <= janela.numIndicadores(); ++k)
            lidos.append(janela.indicador(k));
        QCOMPARE(lidos, esperados);
        QCOMPARE(janela.sgIndicadores->rowCount(), esperados.size() + 1);
    }

    void atributoOperacoesDaCausa_data()
    {
        QTest::addColumn<QByteArray>("causas");
        QTest::addColumn<QByteArray>("operacoes");
        QTest::addColumn<QStringList>("textos");
        QTest::addColumn<QList<int>>("numOperacoes");
        const QByteArray revisao = "<revisao>rev</revisao>";
        QTest::newRow("dois dá duas abas")
            << QByteArray("<causa operacoes=\"2\">a</causa>")
            << operacao("1") + operacao("2") + revisao << QStringList{"a"} << QList<int>{2};
        QTest::newRow("mais de três fica em três")
            << QByteArray("<causa operacoes=\"5\">a</causa>")
            << operacao("1") + operacao("2") + operacao("3") + revisao << QStringList{"a"}
            << QList<int>{3};
        QTest::newRow("negativo não dá operação") << QByteArray("<causa operacoes=\"-1\">a</causa>")
                                                  << revisao << QStringList{"a"} << QList<int>{0};
        QTest::newRow("quarta causa ignorada")
            << QByteArray("<causa operacoes=\"0\">a</causa><causa operacoes=\"0\">b</causa>"
                          "<causa operacoes=\"0\">c</causa><causa operacoes=\"1\">d</causa>")
            << revisao << QStringList{"a", "b", "c"} << QList<int>{0, 0, 0};
        // A cause keeps its text; the one unreadable count gets what the others leave over.
        QTest::newRow("não numérico")
            << QByteArray("<causa operacoes=\"dois\">a</causa><causa operacoes=\"1\">b</causa>")
            << operacao("1") + operacao("2") + operacao("3") + revisao << QStringList{"a", "b"}
            << QList<int>{2, 1};
        QTest::newRow("sem atributo")
            << QByteArray("<causa operacoes=\"1\">a</causa><causa>b</causa>")
            << operacao("1") + revisao << QStringList{"a", "b"} << QList<int>{1, 0};
        QTest::newRow("sem causas") << QByteArray() << revisao << QStringList{""} << QList<int>{0};
    }

    void atributoOperacoesDaCausa()
    {
        QFETCH(QByteArray, causas);
        QFETCH(QByteArray, operacoes);
        QFETCH(QStringList, textos);
        QFETCH(QList<int>, numOperacoes);
        TfmICProblema janela;
        janela.sbAdicionarCausa->click();
        janela.sbAdicionarCausa->click();

        QVERIFY(analise::ler(comCausa(causas, operacoes), {&janela}));
        QCOMPARE(janela.numCausas(), textos.size());
        QCOMPARE(janela.sgCausas->rowCount(), textos.size() + 1);
        QStringList lidos;
        QList<int> lidas;
        for (int k = 1; k <= janela.numCausas(); ++k) {
            lidos.append(janela.causa(k));
            lidas.append(janela.ficha(k - 1)->numOperacoes());
        }
        QCOMPARE(lidos, textos);
        QCOMPARE(lidas, numOperacoes);
        for (int k = 0; k < TfmICProblema::maximoCausas; ++k) {
            QCOMPARE(!janela.sbCausa[static_cast<size_t>(k)]->isHidden(), k < textos.size());
            QCOMPARE(janela.ficha(k) != nullptr, k < textos.size());
        }
        QCOMPARE(janela.revisaoGeral(), QStringLiteral("rev"));
        for (int j = 0; j < numOperacoes.value(0); ++j)
            QCOMPARE(janela.ficha(0)->operacao(j)->texto(0), QString::number(j + 1));
    }

    void operacoesDanificadasFalhamGuardandoOQueFoiLido_data()
    {
        QTest::addColumn<QByteArray>("operacoes");
        QTest::addColumn<QString>("revisao");
        QTest::addColumn<QString>("primeiroCampo");
        QTest::newRow("problema sem filhos") << QByteArray() << QString() << QString();
        QTest::newRow("operação com sete campos")
            << QByteArray("<op><a>um</a><b/><c/><d/><e/><f/><g/></op><revisao>rev</revisao>")
            << QStringLiteral("rev") << QStringLiteral("um");
        QTest::newRow("menos operações que o anunciado")
            << operacao("p") + "<revisao>rev</revisao>" << QStringLiteral("rev")
            << QStringLiteral("p");
    }

    // Only the operations whose elements are there are kept.
    void operacoesDanificadasFalhamGuardandoOQueFoiLido()
    {
        QFETCH(QByteArray, operacoes);
        QFETCH(QString, revisao);
        QFETCH(QString, primeiroCampo);
        TfmICProblema janela;
        QVERIFY(!analise::ler(comCausa("<causa operacoes=\"2\">a</causa>", operacoes), {&janela}));
        QCOMPARE(janela.causa(1), QStringLiteral("a"));
        QCOMPARE(janela.numOperacoes(0), primeiroCampo.isNull() ? 0 : 1);
        QCOMPARE(janela.revisaoGeral(), revisao);
        if (!primeiroCampo.isNull())
            QCOMPARE(janela.ficha(0)->operacao(0)->texto(0), primeiroCampo);
    }

    // The cells' editor takes a text of any length and gives it back whole.
    void textoLongoNaoECortadoAoEditar()
    {
        const QString longo(40000, u'x');
        TfmICProblema janela;
        janela.definirIndicador(1, longo);
        janela.definirCausa(1, longo);
        janela.show();
        for (QTableWidget *grade : {janela.sgIndicadores, janela.sgCausas}) {
            grade->editItem(grade->item(1, 1));
            auto *editor = grade->viewport()->findChild<QLineEdit *>();
            editor->end(false);
            QTest::keyClicks(editor, QStringLiteral("!"));
        }
        janela.accept();
        QCOMPARE(janela.indicador(1), longo + u'!');
        QCOMPARE(janela.causa(1), longo + u'!');
    }
};

SORVANE_TESTE_MAIN(TesteICProblema)
#include "tst_icproblema.moc"
