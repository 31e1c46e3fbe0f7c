#include "app/TfmPrincipal.h"
#include "data/Regional.h"
#include "data/TdmDados.h"
#include "data/TfmDadosEscola.h"
#include "problems/ControleProblemas.h"
#include "support/Componentes.h"
#include "support/Programa.h"
#include "support/Teste.h"
#include "support/data/ApoioPlano.h"

#include <QDateEdit>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <memory>

using apoio::linhas;

// The school data dialog: its fields and limits, the escola section, the "Abrir" preview and
// what Ok and Cancel do after start-up.
class TesteDadosEscola : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<Programa> programa;

    static QString hoje() { return formatarData(QDate::currentDate()); }

    static QByteArray planoComEscola(const char *escola)
    {
        return linhas({"<planejamento xmlns=\"xmlns\">", escola, "</planejamento>"});
    }

    // The escola section as gravarEscola writes it, alone in a document.
    static QByteArray escolaGravada()
    {
        DocumentoXml documento;
        documento.criarRaiz(QStringLiteral("planejamento"), QStringLiteral("xmlns"));
        fmDadosEscola->gravarEscola(documento);
        return documento.paraBytes();
    }

private Q_SLOTS:
    void init() { programa = std::make_unique<Programa>(); }
    void cleanup() { programa.reset(); }

    void componentesComNomesEDesenho()
    {
        TfmDadosEscola &d = *fmDadosEscola;
        QCOMPARE(d.windowTitle(), QStringLiteral("Plano Escolar"));
        QVERIFY(!(d.windowFlags() & Qt::WindowCloseButtonHint));
        for (const char *nome :
             {"painelSup", "lblNomeEscola", "edNomeEscola", "lblNomeDiretor", "edNomeDiretor",
              "lblDataPlanejamento", "dtpDataPlanejamento", "edNomePlanejamento",
              "btnAbrirPlanejamento", "painelInf", "btnOk", "btnCancelar"}) {
            QVERIFY2(d.findChild<QWidget *>(QString::fromLatin1(nome)), nome);
        }
        QCOMPARE(d.lblNomeEscola->text(), QStringLiteral("Nome da escola:"));
        QCOMPARE(d.lblNomeDiretor->text(), QStringLiteral("Diretor:"));
        QCOMPARE(d.lblDataPlanejamento->text(), QStringLiteral("Data do plano escolar:"));
        QCOMPARE(d.btnAbrirPlanejamento->text(), QStringLiteral("Abrir"));
        QCOMPARE(d.btnAbrirPlanejamento->toolTip(),
                 QStringLiteral("Abre um planejamento existente"));
        QCOMPARE(d.btnOk->text(), QStringLiteral("Ok"));
        QCOMPARE(d.btnCancelar->text(), QStringLiteral("Cancelar"));
        QCOMPARE(d.dataPlano(), QDate::currentDate());
        QVERIFY(d.dtpDataPlanejamento->calendarPopup());
        QCOMPARE(d.nomePlano(), QStringLiteral("entre com o nome do plano"));
        QVERIFY(d.edNomePlanejamento->font().italic());
        QVERIFY(d.parteDoPlanoHabilitada());
    }

    void ordemDeTabulacao()
    {
        TfmDadosEscola &d = *fmDadosEscola;
        const QList<QWidget *> esperada{
            d.edNomeEscola,         d.edNomeDiretor, d.dtpDataPlanejamento, d.edNomePlanejamento,
            d.btnAbrirPlanejamento, d.btnOk,         d.btnCancelar};
        QList<QWidget *> encontrada;
        QWidget *atual = d.edNomeEscola;
        do {
            if (esperada.contains(atual) && !encontrada.contains(atual))
                encontrada.append(atual);
            atual = atual->nextInFocusChain();
        } while (atual != d.edNomeEscola);
        QCOMPARE(encontrada, esperada);
    }

    void limiteDeDigitacaoDosNomes_data()
    {
        QTest::addColumn<QString>("campo");
        QTest::newRow("escola") << QStringLiteral("edNomeEscola");
        QTest::newRow("diretor") << QStringLiteral("edNomeDiretor");
    }

    void limiteDeDigitacaoDosNomes()
    {
        QFETCH(QString, campo);
        auto *edit = fmDadosEscola->findChild<QLineEdit *>(campo);
        QTest::keyClicks(edit, QString(64, u'a'));
        QCOMPARE(edit->text(), QString(64, u'a'));
        QTest::keyClicks(edit, QStringLiteral("b"));
        QCOMPARE(edit->text().size(), 64);
        QVERIFY(!edit->text().contains(u'b'));
    }

    void entrarNoNomeDoPlanoTiraOItalicoESeleciona()
    {
        QLineEdit *edit = fmDadosEscola->edNomePlanejamento;
        QFocusEvent entrada(QEvent::FocusIn, Qt::TabFocusReason);
        QApplication::sendEvent(edit, &entrada);
        QVERIFY(!edit->font().italic());
        QCOMPARE(edit->selectedText(), QStringLiteral("entre com o nome do plano"));
        // The first key typed replaces the prompt.
        QTest::keyClicks(edit, QStringLiteral("m"));
        QCOMPARE(edit->text(), QStringLiteral("m"));
    }

    void definirDataCaiEmHojeQuandoNaoEhData_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QDate>("esperada");
        QTest::newRow("data") << QStringLiteral("07/12/2026") << QDate(2026, 12, 7);
        QTest::newRow("data com hora") << QStringLiteral("07/12/2026 08:15") << QDate(2026, 12, 7);
        QTest::newRow("31/02") << QStringLiteral("31/02/2026") << QDate::currentDate();
        QTest::newRow("texto") << QStringLiteral("sem data") << QDate::currentDate();
        QTest::newRow("vazio") << QString() << QDate::currentDate();
        QTest::newRow("ano fora do calendário")
            << QStringLiteral("01/01/0001") << QDate::currentDate();
    }

    void definirDataCaiEmHojeQuandoNaoEhData()
    {
        QFETCH(QString, texto);
        QFETCH(QDate, esperada);
        fmDadosEscola->definirData(QStringLiteral("03/03/2003"));
        fmDadosEscola->definirData(texto);
        QCOMPARE(fmDadosEscola->dataPlano(), esperada);
    }

    void secaoEscolaGravadaEmOrdem()
    {
        QCOMPARE(
            escolaGravada(),
            linhas({"<planejamento xmlns=\"xmlns\">",
                    qPrintable(QStringLiteral("    <escola nome=\"\" diretor=\"\" data=\"%1\" />")
                                   .arg(hoje())),
                    "</planejamento>"}));
        fmDadosEscola->definirEscola(QStringLiteral("  Escola \"Nova\" <Ação>  "));
        fmDadosEscola->definirDiretor(QStringLiteral("Zé"));
        fmDadosEscola->definirData(QStringLiteral("01/02/2027"));
        QCOMPARE(escolaGravada(),
                 linhas({"<planejamento xmlns=\"xmlns\">",
                         "    <escola nome=\"  Escola &quot;Nova&quot; &lt;A\xC3\xA7\xC3\xA3o>  \" "
                         "diretor=\"Z\xC3\xA9\" data=\"01/02/2027\" />",
                         "</planejamento>"}));
    }

    void leituraDaEscolaParaOndeFalta_data()
    {
        QTest::addColumn<QByteArray>("escola");
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QString>("diretor");
        QTest::addColumn<QDate>("data");
        const QDate antiga(2020, 5, 6);
        QTest::newRow("completa") << QByteArray(
                                         R"(<escola nome="E" diretor="D" data="07/12/2026"/>)")
                                  << QStringLiteral("E") << QStringLiteral("D")
                                  << QDate(2026, 12, 7);
        QTest::newRow("sem o elemento") << QByteArray("<outra/>") << QStringLiteral("velha")
                                        << QStringLiteral("velho") << antiga;
        QTest::newRow("sem diretor") << QByteArray(R"(<escola nome="E" data="07/12/2026"/>)")
                                     << QStringLiteral("E") << QStringLiteral("velho") << antiga;
        QTest::newRow("sem nome") << QByteArray(R"(<escola diretor="D" data="07/12/2026"/>)")
                                  << QStringLiteral("velha") << QStringLiteral("velho") << antiga;
        QTest::newRow("sem data") << QByteArray(R"(<escola nome="E" diretor="D"/>)")
                                  << QStringLiteral("E") << QStringLiteral("D") << antiga;
        QTest::newRow("vazios") << QByteArray(R"(<escola nome="" diretor="" data=""/>)")
                                << QString() << QString() << QDate::currentDate();
        QTest::newRow("data impossível")
            << QByteArray(R"(<escola nome="E" diretor="D" data="31/02/2026"/>)")
            << QStringLiteral("E") << QStringLiteral("D") << QDate::currentDate();
    }

    void leituraDaEscolaParaOndeFalta()
    {
        QFETCH(QByteArray, escola);
        QFETCH(QString, nome);
        QFETCH(QString, diretor);
        QFETCH(QDate, data);
        fmDadosEscola->definirEscola(QStringLiteral("velha"));
        fmDadosEscola->definirDiretor(QStringLiteral("velho"));
        fmDadosEscola->definirData(QStringLiteral("06/05/2020"));
        DocumentoXml documento;
        documento.carregarBytes(planoComEscola(escola.constData()));
        fmDadosEscola->lerEscola(documento.secoes());
        QCOMPARE(fmDadosEscola->nomeEscola(), nome);
        QCOMPARE(fmDadosEscola->nomeDiretor(), diretor);
        QCOMPARE(fmDadosEscola->dataPlano(), data);
    }

    void abrirMostraAEscolaDoPlanoSemCarregar()
    {
        apoio::gravarBytes(
            QStringLiteral("escolhido.xml"),
            planoComEscola(R"(<escola nome="Escolhida" diretor="Dir" data="05/06/2025"/>)"));
        programa->interacao.arquivos.enqueue(
            QDir::current().absoluteFilePath(QStringLiteral("escolhido.xml")));
        fmDadosEscola->btnAbrirPlanejamento->click();

        QCOMPARE(programa->interacao.sugestoesArquivo, QStringList{QStringLiteral("plano.xml")});
        QCOMPARE(fmDadosEscola->nomePlano(), QStringLiteral("escolhido.xml"));
        QVERIFY(!fmDadosEscola->edNomePlanejamento->font().italic());
        QCOMPARE(fmDadosEscola->nomeEscola(), QStringLiteral("Escolhida"));
        QCOMPARE(fmDadosEscola->nomeDiretor(), QStringLiteral("Dir"));
        QCOMPARE(fmDadosEscola->dataPlano(), QDate(2025, 6, 5));
        // Only a preview: no plan is current and nothing was laid out yet.
        QCOMPARE(dmDados->arquivoPlano, QString());
        QCOMPARE(controleProblemas->total(), 0);
        QVERIFY(apoio::rotuloCabecalho("lblNomeEscola")->isHidden());
        QVERIFY(programa->interacao.mensagens.isEmpty());
    }

    void abrirSugereONomeLembrado()
    {
        programa.reset();
        apoio::gravarBytes(QStringLiteral("config.ini"), "[arquivos]\nplanejamento=lembrado.xml\n");
        programa = std::make_unique<Programa>();
        fmDadosEscola->btnAbrirPlanejamentoClick();
        QCOMPARE(programa->interacao.sugestoesArquivo, QStringList{QStringLiteral("lembrado.xml")});
        QCOMPARE(fmDadosEscola->nomePlano(), QStringLiteral("entre com o nome do plano"));
        QVERIFY(fmDadosEscola->edNomePlanejamento->font().italic());
        QFile::remove(QStringLiteral("config.ini"));
    }

    void abrirSemPrevia_data()
    {
        QTest::addColumn<QByteArray>("conteudo"); // empty: no file
        QTest::addColumn<int>("mensagens");
        QTest::newRow("arquivo novo") << QByteArray() << 0;
        QTest::newRow("arquivo danificado") << QByteArray("<planejamento><escola") << 1;
    }

    void abrirSemPrevia()
    {
        QFETCH(QByteArray, conteudo);
        QFETCH(int, mensagens);
        const QString nome = QStringLiteral("previa.xml");
        QFile::remove(nome);
        if (!conteudo.isEmpty())
            apoio::gravarBytes(nome, conteudo);
        fmDadosEscola->definirEscola(QStringLiteral("Digitada"));
        programa->interacao.arquivos.enqueue(nome);
        fmDadosEscola->btnAbrirPlanejamentoClick();
        QCOMPARE(fmDadosEscola->nomePlano(), nome);
        QCOMPARE(fmDadosEscola->nomeEscola(), QStringLiteral("Digitada"));
        QCOMPARE(programa->interacao.mensagens.size(), mensagens);
        if (mensagens > 0) {
            QCOMPARE(programa->interacao.mensagens[0].icone, Icone::Erro);
            QVERIFY(programa->interacao.mensagens[0].texto.contains(nome));
        }
        QVERIFY(fmDadosEscola->parteDoPlanoHabilitada());
    }

    void segundaExibicaoSoAtualizaOCabecalho()
    {
        QVERIFY(programa->iniciar(apoio::pressionarOk({{}, {}, {}, QStringLiteral("plano.xml")})));
        QVERIFY(!fmDadosEscola->parteDoPlanoHabilitada());
        QVERIFY(!fmDadosEscola->edNomePlanejamento->isEnabled());
        const QByteArray salvo = apoio::lerBytes(QStringLiteral("plano.xml"));

        programa->interacao.modais.enqueue(apoio::pressionarOk({QStringLiteral("Escola B"),
                                                                QStringLiteral("Diretora B"),
                                                                {},
                                                                QStringLiteral("x.xml")}));
        fmPrincipal->iItemInstituicaoClick();
        QCOMPARE(programa->interacao.janelasModais.last(), QStringLiteral("fmDadosEscola"));
        QCOMPARE(apoio::rotuloCabecalho("lblNomeEscola")->text(), QStringLiteral("Escola B"));
        QCOMPARE(apoio::rotuloCabecalho("lblNomeDiretor")->text(), QStringLiteral("Diretora B"));
        QCOMPARE(dmDados->arquivoPlano, QStringLiteral("plano.xml"));
        QCOMPARE(apoio::lerBytes(QStringLiteral("plano.xml")), salvo);
        QVERIFY(!QFile::exists(QStringLiteral("x.xml")));
        QVERIFY(!fmDadosEscola->parteDoPlanoHabilitada());
        QFile::remove(QStringLiteral("plano.xml"));
    }

    void cancelarDevolveOsCampos()
    {
        QVERIFY(programa->iniciar(
            apoio::pressionarOk({QStringLiteral("Escola A"), QStringLiteral("Dir A"),
                                 QStringLiteral("10/10/2024"), QStringLiteral("plano.xml")})));
        const QByteArray salvo = apoio::lerBytes(QStringLiteral("plano.xml"));
        programa->interacao.modais.enqueue([](QDialog &janela) {
            auto &dialogo = static_cast<TfmDadosEscola &>(janela);
            dialogo.definirEscola(QStringLiteral("Escola C"));
            dialogo.definirDiretor(QStringLiteral("Dir C"));
            dialogo.definirData(QStringLiteral("01/01/2030"));
            dialogo.btnCancelar->click();
            return dialogo.result();
        });
        fmPrincipal->iItemInstituicaoClick();
        QCOMPARE(fmDadosEscola->result(), int(QDialog::Rejected));
        QCOMPARE(apoio::rotuloCabecalho("lblNomeEscola")->text(), QStringLiteral("Escola A"));
        // The next save writes what the header shows, not what was cancelled.
        dmDados->salvar(QStringLiteral("plano.xml"));
        QCOMPARE(apoio::lerBytes(QStringLiteral("plano.xml")), salvo);
        QFile::remove(QStringLiteral("plano.xml"));
    }

    void cancelarDepoisDeOkRecusadoDevolveOCabecalho_data()
    {
        QTest::addColumn<QByteArray>("conteudo"); // empty: a folder of that name
        QTest::newRow("pasta") << QByteArray();
        QTest::newRow("XML de outro programa") << QByteArray("<project/>");
        QTest::newRow("arquivo danificado") << QByteArray("<planejamento><escola");
    }

    // After "Novo plano": Ok refuses the name, Cancel then leaves the header as it was.
    void cancelarDepoisDeOkRecusadoDevolveOCabecalho()
    {
        QFETCH(QByteArray, conteudo);
        QVERIFY(programa->iniciar(apoio::pressionarOk({{}, {}, {}, QStringLiteral("plano.xml")})));
        const QString recusado = QStringLiteral("recusado");
        QDir().rmpath(recusado);
        QFile::remove(recusado);
        if (conteudo.isEmpty())
            QVERIFY(QDir().mkdir(recusado));
        else
            apoio::gravarBytes(recusado, conteudo);
        programa->interacao.modais.enqueue([&](QDialog &janela) {
            auto &dialogo = static_cast<TfmDadosEscola &>(janela);
            dialogo.definirEscola(QStringLiteral("Escola Nova"));
            dialogo.definirNomePlano(recusado);
            dialogo.btnOk->click();
            dialogo.btnCancelar->click();
            return dialogo.result();
        });
        fmPrincipal->mItemNovoClick();
        QCOMPARE(programa->interacao.mensagens.size(), 1);
        QCOMPARE(fmDadosEscola->nomeEscola(), QString());
        QCOMPARE(apoio::rotuloCabecalho("lblNomeEscola")->text(), QStringLiteral("[]"));
        QVERIFY(apoio::rotuloCabecalho("lblNomeEscola")->isHidden());
    }
};

SORVANE_TESTE_MAIN(TesteDadosEscola)
#include "tst_dadosescola.moc"
