#include "app/TfmPrincipal.h"
#include "data/Texto.h"
#include "help/ArquivoAjuda.h"
#include "help/TfmAjuda.h"
#include "support/Programa.h"
#include "support/Teste.h"

#include <QCoreApplication>
#include <QFile>
#include <QScrollBar>
#include <QTextEdit>

// The help window: where the guide is found, how it is read, and what the user sees when it
// is missing. The guide shipped with the program is checked too.
class TesteAjuda : public QObject {
    Q_OBJECT

private:
    static const QString mensagemSemAjuda;

    static void gravar(const QString &pasta, const QByteArray &bytes)
    {
        QFile arquivo(QDir(pasta).filePath(nomeArquivoAjuda));
        QVERIFY(arquivo.open(QIODevice::WriteOnly | QIODevice::Truncate));
        arquivo.write(bytes);
    }

    static QTextEdit *visao(QWidget &janela)
    {
        return janela.findChild<QTextEdit *>(QStringLiteral("redtAjuda"));
    }

    // A guide the fallback folders might offer would hide the "no guide" path.
    static bool algumaPastaDoProgramaTemGuia()
    {
        QStringList pastas = pastasAjuda();
        pastas.removeFirst();
        return lerAjuda(pastas).has_value();
    }

private Q_SLOTS:
    void cleanup() { QFile::remove(QDir::current().filePath(nomeArquivoAjuda)); }

    void mostraOGuiaDaPastaAtualSemPoderAlterar()
    {
        gravar(QDir::currentPath(), "Como usar\r\n\r\n\tPasso 1: abra o plano.\r\n");
        InteracaoRoteirizada interacao;
        TfmAjuda janela;
        QTextEdit *redtAjuda = visao(janela);
        QVERIFY(redtAjuda);
        QCOMPARE(redtAjuda->toPlainText(),
                 QStringLiteral("Como usar\n\n\tPasso 1: abra o plano.\n"));
        QVERIFY(interacao.mensagens.isEmpty());

        QVERIFY(redtAjuda->isReadOnly());
        janela.show();
        redtAjuda->setFocus();
        QTest::keyClicks(redtAjuda, QStringLiteral("apagado"));
        QTest::keyClick(redtAjuda, Qt::Key_Backspace);
        QCOMPARE(redtAjuda->toPlainText(),
                 QStringLiteral("Como usar\n\n\tPasso 1: abra o plano.\n"));
    }

    void textoLongoRolaNosDoisSentidos()
    {
        QByteArray linhas;
        for (int i = 0; i < 200; ++i)
            linhas += "Linha " + QByteArray::number(i) + ' ' + QByteArray(150, 'x') + "\n";
        gravar(QDir::currentPath(), linhas);
        InteracaoRoteirizada interacao;
        TfmAjuda janela;
        janela.show();
        QVERIFY(QTest::qWaitForWindowExposed(&janela));
        QTextEdit *redtAjuda = visao(janela);
        QVERIFY(redtAjuda->horizontalScrollBar()->maximum() > 0);
        QVERIFY(redtAjuda->verticalScrollBar()->maximum() > 0);
        // Lines are shown as they are in the file, not re-wrapped.
        QCOMPARE(redtAjuda->document()->blockCount(), 201);
        QCOMPARE(redtAjuda->document()->lineCount(), 201);
    }

    // The bytes of the file decide the encoding; older guides were written in Windows-1252.
    void codificacoesEQuebrasDeLinha_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("esperado");
        QTest::newRow("UTF-8") << QByteArray("Ata de Reuni\xC3\xA3o\nC\xC3\xA9"
                                             "dula\n")
                               << QStringLiteral("Ata de Reunião\nCédula\n");
        QTest::newRow("UTF-8 com BOM") << QByteArray("\xEF\xBB\xBFOp\xC3\xA7\xC3\xB5"
                                                     "es")
                                       << QStringLiteral("Opções");
        QTest::newRow("Windows-1252") << QByteArray("Ata de Reuni\xE3o \x96 \x93notas\x94\r\n")
                                      << QStringLiteral("Ata de Reunião – “notas”\n");
        QTest::newRow("CR LF") << QByteArray("um\r\ndois\r\n\r\ntr\xC3\xAAs")
                               << QStringLiteral("um\ndois\n\ntrês");
        QTest::newRow("CR sozinho") << QByteArray("um\rdois") << QStringLiteral("um\ndois");
        QTest::newRow("vazio") << QByteArray() << QString();
    }

    void codificacoesEQuebrasDeLinha()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, esperado);
        gravar(QDir::currentPath(), bytes);
        InteracaoRoteirizada interacao;
        TfmAjuda janela;
        QCOMPARE(visao(janela)->toPlainText(), esperado);
        QVERIFY(interacao.mensagens.isEmpty());
    }

    // Folders 0, 1 and 2 stand for the current folder, the executable's and the installation's.
    void primeiraPastaComOGuiaVence_data()
    {
        QTest::addColumn<QList<int>>("comGuia");
        QTest::addColumn<int>("vencedora"); // -1: none
        QTest::newRow("só a atual") << QList<int>{0} << 0;
        QTest::newRow("só a do programa") << QList<int>{1} << 1;
        QTest::newRow("só a instalada") << QList<int>{2} << 2;
        QTest::newRow("atual antes da instalada") << QList<int>{0, 2} << 0;
        QTest::newRow("programa antes da instalada") << QList<int>{1, 2} << 1;
        QTest::newRow("nenhuma") << QList<int>{} << -1;
    }

    void primeiraPastaComOGuiaVence()
    {
        QFETCH(QList<int>, comGuia);
        QFETCH(int, vencedora);
        QTemporaryDir pastas[3];
        QStringList caminhos;
        for (const QTemporaryDir &pasta : pastas)
            caminhos.append(pasta.path());
        for (int i : comGuia)
            gravar(caminhos[i], "guia da pasta " + QByteArray::number(i));

        InteracaoRoteirizada interacao;
        TfmAjuda janela(caminhos);
        if (vencedora < 0) {
            QCOMPARE(interacao.mensagens.size(), 1);
            QCOMPARE(interacao.mensagens[0].icone, Icone::Erro);
            QCOMPARE(interacao.mensagens[0].texto, mensagemSemAjuda);
            QVERIFY(visao(janela)->toPlainText().isEmpty());
            QVERIFY(visao(janela)->isReadOnly());
        } else {
            QVERIFY(interacao.mensagens.isEmpty());
            QCOMPARE(visao(janela)->toPlainText(),
                     QStringLiteral("guia da pasta %1").arg(vencedora));
        }
    }

    void guiaIlegivelCedeAVezAProximaPasta_data()
    {
        QTest::addColumn<bool>("semPermissao"); // otherwise a folder stands where the file should
        QTest::newRow("pasta com o nome do guia") << false;
        QTest::newRow("guia sem permissão de leitura") << true;
    }

    void guiaIlegivelCedeAVezAProximaPasta()
    {
        QFETCH(bool, semPermissao);
        QTemporaryDir atual, instalada;
        gravar(instalada.path(), "guia instalado");
        const QString ilegivel = QDir(atual.path()).filePath(nomeArquivoAjuda);
        if (semPermissao) {
            gravar(atual.path(), "sem permissão");
            QVERIFY(QFile::setPermissions(ilegivel, QFileDevice::WriteOwner));
            QFile teste(ilegivel);
            if (teste.open(QIODevice::ReadOnly))
                QSKIP("quem roda os testes lê qualquer arquivo (root)");
        } else {
            QVERIFY(QDir(atual.path()).mkdir(nomeArquivoAjuda));
        }

        InteracaoRoteirizada interacao;
        TfmAjuda janela({atual.path(), instalada.path()});
        QCOMPARE(visao(janela)->toPlainText(), QStringLiteral("guia instalado"));
        QVERIFY(interacao.mensagens.isEmpty());
        TfmAjuda semAlternativa({atual.path()});
        QCOMPARE(interacao.textosMensagens(), QStringList{mensagemSemAjuda});
        QVERIFY(visao(semAlternativa)->toPlainText().isEmpty());
    }

    void pastasProcuradasEmOrdem()
    {
        const QStringList pastas = pastasAjuda();
        QVERIFY(pastas.size() >= 3);
        QCOMPARE(pastas[0], QDir::currentPath());
        QCOMPARE(pastas[1], QCoreApplication::applicationDirPath());
        QCOMPARE(pastas.last(), pastaAjudaInstalada());
        QVERIFY(QDir::isAbsolutePath(pastaAjudaInstalada()));
        QVERIFY(pastaAjudaInstalada().endsWith(QStringLiteral("/share/sorvane")));
        // An installation moved to another prefix finds its guide from the executable's folder.
        QVERIFY(pastas.contains(QDir::cleanPath(QCoreApplication::applicationDirPath() +
                                                QStringLiteral("/../share/sorvane"))));
    }

    // The guide is read at every opening from the current folder of that moment.
    void segueAPastaAtualDoMomento()
    {
        const QString inicial = QDir::currentPath();
        QTemporaryDir outra;
        gravar(outra.path(), "guia da outra pasta");
        gravar(inicial, "guia da pasta inicial");
        InteracaoRoteirizada interacao;

        QVERIFY(QDir::setCurrent(outra.path()));
        TfmAjuda primeira;
        QVERIFY(QDir::setCurrent(inicial));
        QCOMPARE(visao(primeira)->toPlainText(), QStringLiteral("guia da outra pasta"));

        gravar(inicial, "guia editado");
        TfmAjuda segunda;
        QCOMPARE(visao(segunda)->toPlainText(), QStringLiteral("guia editado"));
    }

    void peloMenuAMensagemVemAntesDaJanelaVazia()
    {
        if (algumaPastaDoProgramaTemGuia())
            QSKIP("há um guia instalado ou ao lado do programa de testes");
        Programa programa;
        int mensagensAoAbrir = -1;
        QString textoAoAbrir = QStringLiteral("não aberta");
        programa.interacao.modalPadrao = [&](QDialog &janela) {
            mensagensAoAbrir = programa.interacao.mensagens.size();
            textoAoAbrir = visao(janela)->toPlainText();
            return int(QDialog::Rejected);
        };
        fmPrincipal->mItemAjudaClick();
        QCOMPARE(programa.interacao.janelasModais, QStringList{QStringLiteral("fmAjuda")});
        QCOMPARE(mensagensAoAbrir, 1);
        QCOMPARE(programa.interacao.mensagens[0].icone, Icone::Erro);
        QCOMPARE(programa.interacao.mensagens[0].texto, mensagemSemAjuda);
        QVERIFY(textoAoAbrir.isEmpty());
        QCOMPARE(fmAjuda, nullptr);
    }

    void peloMenuMostraOGuiaDaPastaAtual()
    {
        gravar(QDir::currentPath(), "guia pelo menu");
        Programa programa;
        QString textoAoAbrir;
        programa.interacao.modalPadrao = [&](QDialog &janela) {
            textoAoAbrir = visao(janela)->toPlainText();
            return int(QDialog::Rejected);
        };
        fmPrincipal->mItemAjudaClick();
        QCOMPARE(textoAoAbrir, QStringLiteral("guia pelo menu"));
        QVERIFY(programa.interacao.mensagens.isEmpty());
    }

    // The view does not wrap, so the guide keeps its lines short enough for the window.
    void guiaDistribuidoEhUtf8ECabeNaJanela()
    {
        QFile arquivo(QStringLiteral(SORVANE_DIR_FONTES "/resources/ajuda.txt"));
        QVERIFY(arquivo.open(QIODevice::ReadOnly));
        const QByteArray bytes = arquivo.readAll();
        QVERIFY(ehUtf8Valido(bytes));
        const QStringList linhas = QString::fromUtf8(bytes).split(QLatin1Char('\n'));
        QVERIFY(linhas.size() > 200);
        for (int i = 0; i < linhas.size(); ++i)
            QVERIFY2(linhas[i].size() <= 72, qPrintable(QStringLiteral("linha %1").arg(i + 1)));

        InteracaoRoteirizada interacao;
        TfmAjuda janela({QStringLiteral(SORVANE_DIR_FONTES "/resources")});
        janela.show();
        QVERIFY(QTest::qWaitForWindowExposed(&janela));
        QVERIFY(interacao.mensagens.isEmpty());
        QCOMPARE(visao(janela)->document()->blockCount(), linhas.size());
        QCOMPARE(visao(janela)->horizontalScrollBar()->maximum(), 0);
    }

    // The guide quotes the program's own texts; these must match what the user sees.
    void guiaCitaOsTextosDoPrograma_data()
    {
        QTest::addColumn<QString>("texto");
        for (const char *texto :
             {"\"Problemas\"",
              "\"Votantes\"",
              "\"Notas\"",
              "\"Classificação\"",
              "\"Plano Escolar\"",
              "Dados da Instituição",
              "Gerar Cédula de votação",
              "Gerar Ata de reunião",
              "Gerar Organograma",
              "Configurar Impressão",
              "\"Salvar PDF\"",
              "\"Imprimir\"",
              "config.ini",
              "[arquivos]",
              "planejamento=",
              "\"Número Máximo de Problemas atingido!\"",
              "\"Número Máximo de Categorias de votantes\natingido!\"",
              "\"Deseja salvar o planejamento atual?\"",
              "\"Problemas durante leitura de dados do arquivo:\"",
              "\"Problemas durante a leitura da matriz de notas dos problemas!\"",
              "\"Problemas durante a leitura dos indicadores dos problemas!\"",
              "\"Problemas durante a leitura das causas dos problemas!\"",
              "\"O arquivo de dados xml pode estar corrompido.\"",
              "\"Erro de gravação do arquivo de dados!\"",
              "\"Tente salvar o arquivo em\noutro local.\"",
              "\"Arquivo de ajuda não encontrado.\"",
              "\"Adicionar Operação\"",
              "\"Remover Operação\"",
              "\"Revisão Geral:\"",
              "\"Próxima Página\"",
              "\"Página Anterior\""})
            QTest::newRow(texto) << QString::fromUtf8(texto);
    }

    void guiaCitaOsTextosDoPrograma()
    {
        QFETCH(QString, texto);
        QFile arquivo(QStringLiteral(SORVANE_DIR_FONTES "/resources/ajuda.txt"));
        QVERIFY(arquivo.open(QIODevice::ReadOnly));
        QVERIFY(QString::fromUtf8(arquivo.readAll()).contains(texto));
    }
};

const QString TesteAjuda::mensagemSemAjuda = QStringLiteral("Arquivo de ajuda não encontrado.");

SORVANE_TESTE_MAIN(TesteAjuda)
#include "tst_ajuda.moc"
