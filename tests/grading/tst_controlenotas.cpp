#include "app/TfmPrincipal.h"
#include "grading/ControleNotas.h"
#include "grading/TfrClassificacao.h"
#include "grading/TfrNotas.h"
#include "problems/ControleProblemas.h"
#include "problems/TfrProblema.h"
#include "support/Componentes.h"
#include "support/PlanoAmostra.h"
#include "support/Programa.h"
#include "support/Teste.h"
#include "voters/ControleVotantes.h"
#include "voters/TfrCategoria.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTabWidget>
#include <QtMath>
#include <memory>

using namespace amostra;
using apoio::achar;

// The grade matrix: rows in step with the problems, grades that follow category removals and
// voter counts, the grade boxes, and the `notas` section with its readers' warnings.
class TesteControleNotas : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<Programa> programa;

    QStringList mensagens() const { return programa->interacao.textosMensagens(); }

    static void verificarEmPasso()
    {
        QCOMPARE(controleNotas->total(), controleProblemas->total());
        for (int i = 0; i < controleProblemas->total(); ++i) {
            QCOMPARE(controleNotas->linhaNotas(i)->titulo(), controleProblemas->nomeProblema(i));
            QCOMPARE(controleNotas->linhaClassificacao(i)->titulo(),
                     controleProblemas->nomeProblema(i));
            QCOMPARE(controleNotas->linhaNotas(i)->y(), 48 * i);
        }
        QCOMPARE(controleNotas->linhaSelecionada(), controleProblemas->posicaoSelecionada());
    }

    static float nota(int p, int c, int v)
    {
        return controleNotas->linhaNotas(p)->tabela.nota(c, v);
    }

private Q_SLOTS:
    void init()
    {
        apoio::usarPortugues();
        programa = std::make_unique<Programa>();
    }
    void cleanup() { programa.reset(); }

    void linhasAcompanhamOsProblemas()
    {
        for (const char *nome : {"Evasão", "Faltas", "Violência", "Merenda"})
            adicionarProblema(QString::fromUtf8(nome));
        controleNotas->atualizar(false);
        QCOMPARE(achar<TfrNotas>(QStringLiteral("Nota1"))->titulo(), QStringLiteral("Evasão"));
        QCOMPARE(achar<TfrClassificacao>(QStringLiteral("Classificacao2"))->titulo(),
                 QStringLiteral("Evasão"));
        controleProblemas->selecionar(1);
        verificarEmPasso();
        controleProblemas->remover();
        controleProblemas->atualizar(false);
        controleNotas->atualizar(false);
        verificarEmPasso();
        QCOMPARE(controleNotas->linhaNotas(1)->titulo(), QStringLiteral("Violência"));
        controleProblemas->selecionar(2);
        controleProblemas->remover();
        controleNotas->atualizar(false);
        verificarEmPasso();
        adicionarProblema(QStringLiteral("Nova"));
        controleNotas->atualizar(false);
        verificarEmPasso();
        QCOMPARE(controleNotas->linhaNotas(2)->objectName(), QStringLiteral("Nota5"));
        // A problem just added has no points.
        QCOMPARE(controleNotas->totalProblema(2), 0.0f);
        controleProblemas->esvaziar();
        QCOMPARE(controleNotas->total(), 0);
        QVERIFY(achar<TfrNotas>(QStringLiteral("Nota1")) == nullptr);
        QVERIFY(!controleNotas->removerLinha());
        QCOMPARE(mensagens(), QStringList{QStringLiteral("Selecione um painel para exclusão!")});
    }

    void botoesDaJanelaNasAbasDeNotas_data()
    {
        QTest::addColumn<int>("aba");
        QTest::newRow("Notas") << 2;
        QTest::newRow("Classificação") << 3;
    }

    void botoesDaJanelaNasAbasDeNotas()
    {
        QFETCH(int, aba);
        adicionarProblema(QStringLiteral("A"));
        adicionarProblema(QStringLiteral("B"));
        adicionarCategoria(QStringLiteral("Pais"), QStringLiteral("PAI"), azul, {QString()});
        fmPrincipal->pcControlePaginas->setCurrentIndex(aba);
        QCOMPARE(fmPrincipal->listaAtual, static_cast<Lista *>(controleNotas));
        controleProblemas->quadro(0)->definirNome(QStringLiteral("A renomeado"));
        fmPrincipal->sbtnAdicionarClick();
        fmPrincipal->sbtnRemoverClick();
        QCOMPARE(controleNotas->total(), 2);
        QCOMPARE(controleNotas->linhaNotas(0)->titulo(), QStringLiteral("A renomeado"));
        QCOMPARE(controleNotas->linhaClassificacao(0)->titulo(), QStringLiteral("A renomeado"));
        QVERIFY(mensagens().isEmpty());
    }

    void caixasDeNotas()
    {
        adicionarProblema(QStringLiteral("Evasão"));
        adicionarCategoria(QStringLiteral("Pais"), QStringLiteral("PAI"), azul, {"a", "b"});
        adicionarCategoria(QStringLiteral("Professores"), QStringLiteral("PRO"), vermelho,
                           {"c", "d", "e"});
        apoio::montarQuadros();
        TfrNotas *linha = controleNotas->linhaNotas(0);
        controleNotas->mostrarCategoria(1);
        for (int v = 0; v < 12; ++v) {
            QComboBox *caixa = linha->caixasNotas[static_cast<size_t>(v)];
            QCOMPARE(caixa->isHidden(), v >= 3);
            QCOMPARE(caixa->pos(), QPoint(256 + 56 * v, 12));
            QCOMPARE(caixa->width(), 48);
            QVERIFY(!caixa->isEditable()); // a typed text would stand for no grade
            // The widest grade shows whole beside the arrow.
            QStyleOptionComboBox opcao;
            opcao.initFrom(caixa);
            const QRect campo = caixa->style()->subControlRect(QStyle::CC_ComboBox, &opcao,
                                                               QStyle::SC_ComboBoxEditField, caixa);
            QVERIFY2(caixa->fontMetrics().horizontalAdvance(QStringLiteral("10,0")) <=
                         campo.width(),
                     qPrintable(caixa->font().toString()));
            if (v < 3)
                QCOMPARE(caixa->currentText(), QStringLiteral("0,0"));
        }
        darNota(0, 1, 2, 7);
        QCOMPARE(nota(0, 1, 2), 7.0f);
        QCOMPARE(controleNotas->totalProblema(0), 0.0f); // the ranking waits for a refresh
        darNota(0, 0, 1, 4);
        controleNotas->mostrarCategoria(1);
        QCOMPARE(linha->caixasNotas[2]->currentText(), QStringLiteral("7,0"));
        controleNotas->mostrarCategoria(0);
        QCOMPARE(linha->caixasNotas[1]->currentText(), QStringLiteral("4,0"));
        QVERIFY(linha->caixasNotas[2]->isHidden());
        controleNotas->atualizar(false);
        QCOMPARE(controleNotas->totalProblema(0), 11.0f);

        // Names wider than the label's room are cut there.
        controleProblemas->quadro(0)->definirNome(QString(200, u'W'));
        controleNotas->atualizar(false);
        QCOMPARE(linha->lblTituloProblema->width(), 228);
        QCOMPARE(linha->lblTituloProblema->pos(), QPoint(18, 16));
    }

    // Typed digits give the grade typed; "v" and "^" stand for the arrow keys.
    void notaDigitadaEhExata_data()
    {
        QTest::addColumn<int>("inicial");
        QTest::addColumn<QString>("teclas");
        QTest::addColumn<int>("intervalo"); // milliseconds between keys
        QTest::addColumn<bool>("listaAberta");
        QTest::addColumn<float>("esperada");
        const int pausa = QApplication::keyboardInputInterval() + 100;
        QTest::newRow("1 sobre 2,0") << 2 << "1" << 0 << false << 1.0f;
        QTest::newRow("1 sobre 9,0") << 9 << "1" << 0 << false << 1.0f;
        QTest::newRow("1 e 0 seguidos") << 2 << "10" << 100 << false << 10.0f;
        QTest::newRow("1 e 0 espaçados") << 2 << "10" << pausa << false << 0.0f;
        QTest::newRow("1 e 5 seguidos") << 0 << "15" << 100 << false << 5.0f;
        QTest::newRow("0 sobre 5,0") << 5 << "0" << 0 << false << 0.0f;
        QTest::newRow("7") << 0 << "7" << 0 << false << 7.0f;
        QTest::newRow("10,0 por inteiro") << 3 << "10,0" << 100 << false << 10.0f;
        QTest::newRow("7,5 fica em 7,0") << 3 << "7,5" << 100 << false << 7.0f;
        QTest::newRow("seta para baixo") << 3 << "v" << 0 << false << 4.0f;
        QTest::newRow("seta para cima") << 3 << "^^" << 0 << false << 1.0f;
        QTest::newRow("1 na lista aberta") << 2 << "1\n" << 0 << true << 1.0f;
    }

    void notaDigitadaEhExata()
    {
        QFETCH(int, inicial);
        QFETCH(QString, teclas);
        QFETCH(int, intervalo);
        QFETCH(bool, listaAberta);
        QFETCH(float, esperada);
        adicionarProblema(QStringLiteral("Evasão"));
        adicionarCategoria(QStringLiteral("Pais"), QStringLiteral("PAI"), azul, {"a"});
        darNota(0, 0, 0, inicial);
        apoio::montarQuadros();
        QComboBox *caixa = controleNotas->linhaNotas(0)->caixasNotas[0];
        if (listaAberta)
            caixa->showPopup();
        QWidget *alvo = listaAberta ? static_cast<QWidget *>(caixa->view()) : caixa;
        quint64 instante = 1000000;
        for (const QChar tecla : teclas) {
            const int codigo = tecla == u'v'    ? int(Qt::Key_Down)
                               : tecla == u'^'  ? int(Qt::Key_Up)
                               : tecla == u'\n' ? int(Qt::Key_Return)
                                                : int(tecla.unicode());
            const QString texto = tecla.isDigit() || tecla == u',' ? QString(tecla) : QString();
            for (const QEvent::Type tipo : {QEvent::KeyPress, QEvent::KeyRelease}) {
                QKeyEvent evento(tipo, codigo, Qt::NoModifier, texto);
                evento.setTimestamp(instante);
                QApplication::sendEvent(alvo, &evento);
            }
            instante += static_cast<quint64>(intervalo);
        }
        QCOMPARE(nota(0, 0, 0), esperada);
    }

    // "10,0" ends before the edge of the box's text on screens scaled by 1, 1.25, 1.5 and 2,
    // where the glyphs are drawn at the screen's own size.
    void maiorNotaInteiraEmTodaEscala_data()
    {
        QTest::addColumn<qreal>("razao");
        for (const qreal razao : {1.0, 1.25, 1.5, 2.0})
            QTest::addRow("%.2f", razao) << razao;
    }

    void maiorNotaInteiraEmTodaEscala()
    {
        QFETCH(qreal, razao);
        adicionarProblema(QStringLiteral("Evasão"));
        apoio::montarQuadros();
        QComboBox *caixa = controleNotas->linhaNotas(0)->caixasNotas[0];
        QStyleOptionComboBox opcao;
        opcao.initFrom(caixa);
        const QRect campo = caixa->style()->subControlRect(QStyle::CC_ComboBox, &opcao,
                                                           QStyle::SC_ComboBoxEditField, caixa);
        QImage imagem(qCeil(80 * razao), qCeil(40 * razao), QImage::Format_RGB32);
        imagem.setDevicePixelRatio(razao);
        imagem.fill(Qt::white);
        QPainter pintor(&imagem);
        pintor.setFont(caixa->font());
        pintor.drawText(QPointF(0, 30), QStringLiteral("10,0"));
        pintor.end();
        int tinta = 0; // the columns up to the last one with ink, in device pixels
        for (int i = 0; i < imagem.width() * imagem.height(); ++i)
            if (imagem.pixel(i % imagem.width(), i / imagem.width()) != qRgb(255, 255, 255))
                tinta = std::max(tinta, i % imagem.width() + 1);
        // The style draws the text a pixel inside the field on each side.
        QVERIFY2(tinta / razao < campo.width() - 2, qPrintable(QString::number(tinta / razao)));
    }

    void removerCategoriaMoveAsNotas_data()
    {
        QTest::addColumn<int>("k");
        for (int k = 0; k < 4; ++k)
            QTest::addRow("categoria %d de quatro", k) << k;
    }

    void removerCategoriaMoveAsNotas()
    {
        QFETCH(int, k);
        adicionarProblema(QStringLiteral("A"));
        adicionarProblema(QStringLiteral("B"));
        for (int c = 0; c < 4; ++c) {
            adicionarCategoria(QStringLiteral("C%1").arg(c), QStringLiteral("C%1").arg(c), azul,
                               {"x", "y"});
            for (int p = 0; p < 2; ++p)
                darNota(p, c, 1, c + 1 + 4 * p);
        }
        controleVotantes->selecionar(k);
        controleVotantes->remover();
        for (int p = 0; p < 2; ++p) {
            for (int c = 0; c < 3; ++c) {
                const int original = c < k ? c : c + 1;
                QCOMPARE(nota(p, c, 1), static_cast<float>(original + 1 + 4 * p));
            }
            QCOMPARE(nota(p, 3, 1), 0.0f);
        }
        adicionarCategoria(QStringLiteral("Nova"), QStringLiteral("NOV"), azul, {"x", "y"});
        controleNotas->mostrarCategoria(3);
        apoio::montarQuadros();
        QCOMPARE(controleNotas->linhaNotas(1)->caixasNotas[1]->currentText(),
                 QStringLiteral("0,0"));
        QCOMPARE(controleNotas->linhaClassificacao(1)
                     ->findChild<QLabel *>(QStringLiteral("rotuloValor4"))
                     ->text(),
                 QStringLiteral("0,0"));
    }

    void baixarEVoltarOsVotantes()
    {
        adicionarProblema(QStringLiteral("A"));
        adicionarCategoria(QStringLiteral("Pais"), QStringLiteral("PAI"), azul,
                           {"1", "2", "3", "4", "5"});
        for (int v = 0; v < 5; ++v)
            darNota(0, 0, v, v + 1);
        escolherQuantidade(0, 3);
        QCOMPARE(controleNotas->totalProblema(0), 6.0f);
        DocumentoXml baixo = salvarPlano();
        QVERIFY(baixo.paraBytes().contains("<nota>3</nota>"));
        QVERIFY(!baixo.paraBytes().contains("<nota>4</nota>"));
        QVERIFY(!baixo.paraBytes().contains("<votante>4</votante>"));
        escolherQuantidade(0, 5);
        QCOMPARE(controleNotas->totalProblema(0), 15.0f);

        // Saved with three voters and opened again, the two others start at 0.
        abrirPlano(baixo);
        escolherQuantidade(0, 5);
        QCOMPARE(controleNotas->totalProblema(0), 6.0f);
        QCOMPARE(nota(0, 0, 3), 0.0f);
        QVERIFY(mensagens().isEmpty());
    }

    void secaoNotasExata()
    {
        adicionarProblema(QStringLiteral("Evasão"));
        adicionarProblema(QStringLiteral("Faltas & atrasos"));
        adicionarCategoria(QStringLiteral("Professores"), QStringLiteral("PRO"), vermelho,
                           {"a", "b"});
        controleVotantes->adicionar();
        controleVotantes->quadro(1)->definirQuantidade(0); // as a file without voters leaves it
        adicionarCategoria(QStringLiteral("Pais"), QStringLiteral("PAI"), azul, {"c"});
        darNota(0, 0, 0, 7);
        darNota(0, 0, 1, 10);
        darNota(1, 2, 0, 3);
        controleNotas->linhaNotas(1)->tabela.definirNota(0, 1, 7.5f); // as from a file
        DocumentoXml documento;
        documento.criarRaiz(QStringLiteral("planejamento"), QStringLiteral("xmlns"));
        controleNotas->gravarNotas(documento);
        const QByteArray esperado =
            "<planejamento xmlns=\"xmlns\">\r\n"
            "    <notas>\r\n"
            "        <problema nome=\"Evas\xC3\xA3o\">\r\n"
            "            <categoria nome=\"Professores\">\r\n"
            "                <nota>7</nota>\r\n"
            "                <nota>10</nota>\r\n"
            "            </categoria>\r\n"
            "            <categoria nome=\"Descri\xC3\xA7\xC3\xA3o da categoria\" />\r\n"
            "            <categoria nome=\"Pais\">\r\n"
            "                <nota>0</nota>\r\n"
            "            </categoria>\r\n"
            "        </problema>\r\n"
            "        <problema nome=\"Faltas &amp; atrasos\">\r\n"
            "            <categoria nome=\"Professores\">\r\n"
            "                <nota>0</nota>\r\n"
            "                <nota>7.5</nota>\r\n"
            "            </categoria>\r\n"
            "            <categoria nome=\"Descri\xC3\xA7\xC3\xA3o da categoria\" />\r\n"
            "            <categoria nome=\"Pais\">\r\n"
            "                <nota>3</nota>\r\n"
            "            </categoria>\r\n"
            "        </problema>\r\n"
            "    </notas>\r\n"
            "    <indicadores />\r\n"
            "    <causas />\r\n"
            "    <operacoes />\r\n"
            "</planejamento>\r\n";
        QCOMPARE(bytesSecoes(documento), esperado);

        // Read back under Portuguese settings, 7.5 comes back whole.
        abrirPlano(salvarPlano());
        QCOMPARE(nota(1, 0, 1), 7.5f);
        QCOMPARE(nota(0, 0, 1), 10.0f);
        QCOMPARE(nota(1, 2, 0), 3.0f);
        DocumentoXml outra;
        outra.criarRaiz(QStringLiteral("planejamento"), QStringLiteral("xmlns"));
        controleNotas->gravarNotas(outra);
        QCOMPARE(bytesSecoes(outra), esperado);
        QVERIFY(mensagens().isEmpty());
    }

    void leituraDasNotas_data()
    {
        QTest::addColumn<QByteArray>("notas");
        QTest::addColumn<QVector<float>>("esperado"); // problems 0 and 1, voters 0 … 2
        QTest::addColumn<QStringList>("avisos");
        const QString aviso = QStringLiteral("Problemas durante a leitura da matriz de notas dos "
                                             "problemas!\nO arquivo de dados xml pode estar "
                                             "corrompido.");
        auto problema = [](const QByteArray &notas) {
            QByteArray texto = "<problema><categoria>";
            for (const QByteArray &nota : notas.split(' '))
                texto += "<nota>" + nota + "</nota>";
            return texto + "</categoria></problema>";
        };
        QTest::newRow("sem seção") << QByteArray() << QVector<float>(6, 0) << QStringList{aviso};
        QTest::newRow("completa") << "<notas>" + problema("1 2 3") + problema("4 5 6") + "</notas>"
                                  << QVector<float>{1, 2, 3, 4, 5, 6} << QStringList{};
        QTest::newRow("problemas a mais")
            << "<notas>" + problema("1 2 3") + problema("4 5 6") + problema("9 9 9") + "</notas>"
            << QVector<float>{1, 2, 3, 4, 5, 6} << QStringList{};
        QTest::newRow("problemas a menos") << "<notas>" + problema("1 2 3") + "</notas>"
                                           << QVector<float>{1, 2, 3, 0, 0, 0} << QStringList{};
        QTest::newRow("texto que não é número")
            << "<notas>" + problema("1 x 3") + problema("4 5 6") + "</notas>"
            << QVector<float>{1, 0, 0, 4, 5, 6} << QStringList{};
        QTest::newRow("nan e infinito param a linha")
            << "<notas>" + problema("2 nan 3") + problema("4 inf 6") + "</notas>"
            << QVector<float>{2, 0, 0, 4, 0, 0} << QStringList{};
        QTest::newRow("vírgula e ponto")
            << "<notas>" + problema("1,5 2.5 3") + problema("4 5 6") + "</notas>"
            << QVector<float>{1.5, 2.5, 3, 4, 5, 6} << QStringList{};
        QTest::newRow("nomes não importam") << QByteArray("<notas><a><b><c>8</c></b></a></notas>")
                                            << QVector<float>{8, 0, 0, 0, 0, 0} << QStringList{};
    }

    void leituraDasNotas()
    {
        QFETCH(QByteArray, notas);
        QFETCH(QVector<float>, esperado);
        QFETCH(QStringList, avisos);
        adicionarProblema(QStringLiteral("A"));
        adicionarProblema(QStringLiteral("B"));
        adicionarCategoria(QStringLiteral("Pais"), QStringLiteral("PAI"), azul, {"1", "2", "3"});
        controleNotas->lerNotas(amostra::secoesDe(notas + "<indicadores/><causas/><operacoes/>"));
        for (int p = 0; p < 2; ++p) {
            for (int v = 0; v < 3; ++v)
                QCOMPARE(nota(p, 0, v), esperado.at(p * 3 + v));
        }
        QCOMPARE(mensagens(), avisos);
        for (const MensagemRegistrada &m : programa->interacao.mensagens)
            QCOMPARE(m.icone, Icone::Aviso);
    }

    void secoesDeAnaliseAusentes_data()
    {
        QTest::addColumn<QByteArray>("secoes");
        QTest::addColumn<QStringList>("avisos");
        const QString indicadores = QStringLiteral("Problemas durante a leitura dos indicadores "
                                                   "dos problemas!\nO arquivo de dados xml pode "
                                                   "estar corrompido.");
        const QString causas = QStringLiteral("Problemas durante a leitura das causas dos "
                                              "problemas!\nO arquivo de dados xml pode estar "
                                              "corrompido.");
        QTest::newRow("todas") << QByteArray("<notas/><indicadores/><causas/><operacoes/>")
                               << QStringList{};
        QTest::newRow("sem indicadores")
            << QByteArray("<notas/><causas/><operacoes/>") << QStringList{indicadores};
        QTest::newRow("sem causas")
            << QByteArray("<notas/><indicadores/><operacoes/>") << QStringList{causas};
        QTest::newRow("sem operações com causas")
            << QByteArray("<notas/><indicadores/><causas><problema/></causas>")
            << QStringList{causas};
        QTest::newRow("operações a menos que causas")
            << QByteArray("<indicadores/><causas><problema/></causas><operacoes/>")
            << QStringList{causas};
    }

    void secoesDeAnaliseAusentes()
    {
        QFETCH(QByteArray, secoes);
        QFETCH(QStringList, avisos);
        adicionarProblema(QStringLiteral("A"));
        const ListaNos lidas = amostra::secoesDe(secoes);
        controleNotas->lerIndicadores(lidas);
        controleNotas->lerCausas(lidas);
        QCOMPARE(mensagens(), avisos);
    }
};

SORVANE_TESTE_MAIN(TesteControleNotas)
#include "tst_controlenotas.moc"
