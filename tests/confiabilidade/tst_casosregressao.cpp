#include "support/Programa.h"
#include "support/Teste.h"
#include "support/confiabilidade/PercursoPlano.h"

#include "alvos/Alvos.h"

#include "data/DocumentoXml.h"
#include "documents/TfmCedula.h"
#include "support/PlanoMaximo.h"

#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTextEdit>

// Every input that once crashed, hung, upset a sanitizer or broke a promise in a fuzzer, and
// every seed the fuzzers start from, taken along the plan fuzzer's road through the program and
// to every fast target.
class TesteCasosRegressao : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<Programa> programa;

    static void adicionarArquivos(const QString &pasta)
    {
        const QDir dir(QStringLiteral(SORVANE_DIR_FONTES) + u'/' + pasta);
        const QStringList nomes = dir.entryList(QDir::Files, QDir::Name);
        for (const QString &nome : nomes) {
            const QString caminho = dir.filePath(nome);
            QTest::newRow(qPrintable(pasta + u'/' + nome)) << caminho;
        }
    }

private Q_SLOTS:
    void initTestCase() { programa = std::make_unique<Programa>(); }
    void cleanupTestCase() { programa.reset(); }

    void percursoCompleto_data()
    {
        QTest::addColumn<QString>("caminho");
        adicionarArquivos(QStringLiteral("tests/confiabilidade/casos"));
        adicionarArquivos(QStringLiteral("fuzz/corpus"));
    }

    void percursoCompleto()
    {
        QFETCH(QString, caminho);
        QFile arquivo(caminho);
        QVERIFY2(arquivo.open(QIODevice::ReadOnly), qPrintable(caminho));
        const QString falha = percorrerPlano(arquivo.readAll());
        QVERIFY2(falha.isEmpty(), qPrintable(falha));
    }

    void alvosRapidos_data() { percursoCompleto_data(); }

    void alvosRapidos()
    {
        QFETCH(QString, caminho);
        QFile arquivo(caminho);
        QVERIFY2(arquivo.open(QIODevice::ReadOnly), qPrintable(caminho));
        const QByteArray bytes = arquivo.readAll();
        for (const alvos::Alvo &alvo : alvos::todos) {
            const QString falha = alvo.verificar(bytes);
            QVERIFY2(falha.isEmpty(),
                     qPrintable(QString::fromLatin1(alvo.nome.data(), alvo.nome.size()) +
                                QStringLiteral(": ") + falha));
        }
    }

    // The fuzzer's first timeout: 144 ballots laid out again after every line took seconds.
    // The view now lays the whole text out once.
    void cedulasDoMaiorPlanoDiagramadasDeUmaVez()
    {
        DocumentoXml plano;
        plano.carregarBytes(planoMaximo());
        TfmCedula janela;
        auto *cedula = janela.findChild<QTextEdit *>(QStringLiteral("cedula"));
        QVERIFY(cedula);
        QSignalSpy diagramacoes(cedula->document()->documentLayout(),
                                &QAbstractTextDocumentLayout::documentSizeChanged);
        janela.gerarCedula(plano.secoes());
        QVERIFY(cedula->document()->blockCount() > 144 * 10);
        QVERIFY2(diagramacoes.count() <= 3, qPrintable(QString::number(diagramacoes.count())));
    }
};

SORVANE_TESTE_MAIN(TesteCasosRegressao)
#include "tst_casosregressao.moc"
