#include "app/TfmPrincipal.h"
#include "data/DocumentoXml.h"
#include "data/TfmDadosEscola.h"
#include "help/TfmSobre.h"
#include "support/Programa.h"
#include "support/Teste.h"

#include <QAbstractButton>
#include <QFile>
#include <QSet>
#include <QTabWidget>

// The pictures of the README: the four tabs and the three documents of a sample plan, taken
// from the real program. scripts/capturar-telas runs this with SORVANE_PASTA_TELAS set to the
// folder the pictures go to; without it they go to a scratch folder and are only checked.
class TesteCapturaTelas : public QObject {
    Q_OBJECT

private:
    static constexpr const char *planoExemplo =
        SORVANE_DIR_FONTES "/docs/exemplos/plano-exemplo.xml";

    QTemporaryDir rascunho;
    QString destino;
    QStringList gravadas;
    QHash<QString, QSize> tamanhos; // of each window when it was taken

    void gravar(QWidget &janela, const QString &nome)
    {
        const QImage imagem = janela.grab().toImage();
        const QString caminho = QDir(destino).filePath(nome);
        QVERIFY2(imagem.save(caminho), qPrintable(caminho));
        gravadas.append(nome);
        tamanhos.insert(nome, janela.size());
    }

    static QImage ler(const QString &caminho) { return QImage(caminho); }

    // A blank or one-colour picture means nothing was drawn.
    static int coresDistintas(const QImage &imagem)
    {
        QSet<QRgb> cores;
        for (int y = 0; y < imagem.height(); y += 3)
            for (int x = 0; x < imagem.width(); x += 3)
                cores.insert(imagem.pixel(x, y));
        return int(cores.size());
    }

private Q_SLOTS:
    void initTestCase()
    {
        destino = qEnvironmentVariable("SORVANE_PASTA_TELAS");
        if (destino.isEmpty())
            destino = rascunho.path();
        QVERIFY(QDir().mkpath(destino));
        // Documents save the plan first; the sample in the source tree stays untouched.
        QVERIFY(QFile::copy(QString::fromUtf8(planoExemplo), QStringLiteral("plano-exemplo.xml")));
    }

    // The sample is the plan a newcomer opens first: its sections agree with one another, as
    // the program's own writer would have left them.
    void planoDeExemploCoerente()
    {
        DocumentoXml documento;
        documento.carregar(QString::fromUtf8(planoExemplo));
        const ListaNos secoes = documento.secoes();
        QStringList nomes;
        for (const ElementoXml &secao : secoes)
            nomes.append(secao.nome());
        QCOMPARE(nomes, (QStringList{"escola", "problemas", "categorias", "notas", "indicadores",
                                     "causas", "operacoes"}));

        const ListaNos problemas = secoes.porNome(QStringLiteral("problemas")).filhos();
        const ListaNos categorias = secoes.porNome(QStringLiteral("categorias")).filhos();
        QCOMPARE(secoes.porNome(QStringLiteral("problemas")).atributo("total").inteiro(),
                 problemas.quantidade());
        QCOMPARE(secoes.porNome(QStringLiteral("categorias")).atributo("total").inteiro(),
                 categorias.quantidade());
        for (const char *secao : {"notas", "indicadores", "causas", "operacoes"})
            QCOMPARE(secoes.porNome(QString::fromLatin1(secao)).filhos().quantidade(),
                     problemas.quantidade());

        for (int p = 0; p < problemas.quantidade(); ++p) {
            const ElementoXml notas = secoes.porNome(QStringLiteral("notas")).filhos().item(p);
            QCOMPARE(notas.atributo("nome").texto(), problemas.item(p).atributo("nome").texto());
            QCOMPARE(notas.filhos().quantidade(), categorias.quantidade());
            for (int c = 0; c < categorias.quantidade(); ++c) {
                const ListaNos votos = notas.filhos().item(c).filhos();
                QCOMPARE(votos.quantidade(), categorias.item(c).filhos().quantidade());
                for (const ElementoXml &nota : votos) {
                    const int valor = nota.texto().toInt();
                    QVERIFY(valor >= 0 && valor <= 10);
                }
            }

            int anunciadas = 0;
            for (const ElementoXml &causa :
                 secoes.porNome(QStringLiteral("causas")).filhos().item(p).filhos())
                anunciadas += causa.atributo("operacoes").inteiro();
            const ListaNos operacoes =
                secoes.porNome(QStringLiteral("operacoes")).filhos().item(p).filhos();
            QCOMPARE(operacoes.quantidade(), anunciadas + 1);
            QCOMPARE(operacoes.item(anunciadas).nome(), QStringLiteral("revisao"));
            for (int k = 0; k < anunciadas; ++k)
                QCOMPARE(operacoes.item(k).filhos().quantidade(), 8);
        }
    }

    void abasEDocumentos()
    {
        Programa programa;
        const bool iniciado = programa.iniciar([](QDialog &dialogo) {
            fmDadosEscola->definirNomePlano(QStringLiteral("plano-exemplo.xml"));
            fmDadosEscola->btnOkClick();
            dialogo.setResult(QDialog::Accepted);
            return int(QDialog::Accepted);
        });
        QVERIFY(iniciado);
        fmPrincipal->resize(TfmPrincipal::larguraInicial, TfmPrincipal::alturaInicial);
        QVERIFY(QTest::qWaitForWindowExposed(fmPrincipal));

        const QStringList abas{QStringLiteral("aba-problemas.png"),
                               QStringLiteral("aba-votantes.png"), QStringLiteral("aba-notas.png"),
                               QStringLiteral("aba-classificacao.png")};
        QCOMPARE(fmPrincipal->pcControlePaginas->count(), abas.size());
        for (int i = 0; i < abas.size(); ++i) {
            fmPrincipal->pcControlePaginas->setCurrentIndex(i);
            if (i == 1) {
                // The first category with its voters' names shown.
                if (auto *nomes =
                        fmPrincipal->findChild<QAbstractButton *>(QStringLiteral("sbBtnNomes")))
                    nomes->click();
            }
            QCoreApplication::processEvents();
            gravar(*fmPrincipal, abas[i]);
        }
        fmPrincipal->pcControlePaginas->setCurrentIndex(0);

        const QHash<QString, QString> documentos{
            {QStringLiteral("fmCedula"), QStringLiteral("cedula.png")},
            {QStringLiteral("fmRelatorio"), QStringLiteral("ata.png")},
            {QStringLiteral("fmDiagrama"), QStringLiteral("organograma.png")},
            {QStringLiteral("fmSobre"), QStringLiteral("sobre.png")}};
        programa.interacao.modalPadrao = [&](QDialog &janela) {
            janela.show();
            if (QTest::qWaitForWindowExposed(&janela)) {
                QCoreApplication::processEvents();
                gravar(janela, documentos.value(janela.objectName(), janela.objectName() + ".png"));
            }
            return int(QDialog::Rejected);
        };
        fmPrincipal->mItemGerarCedulaClick();
        fmPrincipal->mItemGerarAtaClick();
        fmPrincipal->mItemGerarOrganogramaClick();
        fmPrincipal->mItemSobreClick();
        QCOMPARE(programa.interacao.janelasModais,
                 (QStringList{QStringLiteral("fmDadosEscola"), QStringLiteral("fmCedula"),
                              QStringLiteral("fmRelatorio"), QStringLiteral("fmDiagrama"),
                              QStringLiteral("fmSobre")}));
    }

    void imagensGravadas()
    {
        const QStringList esperadas{
            QStringLiteral("aba-problemas.png"), QStringLiteral("aba-votantes.png"),
            QStringLiteral("aba-notas.png"),     QStringLiteral("aba-classificacao.png"),
            QStringLiteral("cedula.png"),        QStringLiteral("ata.png"),
            QStringLiteral("organograma.png"),   QStringLiteral("sobre.png")};
        QCOMPARE(gravadas, esperadas);
        for (const QString &nome : esperadas) {
            const QImage imagem = ler(QDir(destino).filePath(nome));
            QVERIFY2(!imagem.isNull(), qPrintable(nome));
            QCOMPARE(imagem.size(), tamanhos.value(nome));
        }
        // The main window and the About window are drawn in full; each document window's own
        // tests check what it draws.
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(tamanhos.value(esperadas[i]),
                     QSize(TfmPrincipal::larguraInicial, TfmPrincipal::alturaInicial));
            QVERIFY(coresDistintas(ler(QDir(destino).filePath(esperadas[i]))) > 4);
        }
        QCOMPARE(tamanhos.value(QStringLiteral("sobre.png")),
                 QSize(TfmSobre::largura, TfmSobre::altura));
        QVERIFY(coresDistintas(ler(QDir(destino).filePath(QStringLiteral("sobre.png")))) > 4);
    }
};

SORVANE_TESTE_MAIN(TesteCapturaTelas)
#include "tst_capturatelas.moc"
