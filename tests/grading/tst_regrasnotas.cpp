#include "grading/OrdemClassificacao.h"
#include "grading/TabelaNotas.h"
#include "support/Teste.h"

#include <cmath>

// The rules under the grades: the table's lines, the grade's text in the plan file, and the
// order of the ranking.
class TesteRegrasNotas : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { apoio::usarPortugues(); }

    void ordemDoRanking_data()
    {
        QTest::addColumn<QVector<float>>("totais");
        QTest::addColumn<QVector<int>>("ordem");
        QTest::newRow("15 22 15 30") << QVector<float>{15, 22, 15, 30} << QVector<int>{3, 1, 0, 2};
        QTest::newRow("ninguém votou") << QVector<float>{0, 0, 0} << QVector<int>{0, 1, 2};
        QTest::newRow("empate no topo fica na ordem da lista")
            << QVector<float>{8, 9, 9, 1} << QVector<int>{1, 2, 0, 3};
        QTest::newRow("crescente") << QVector<float>{1, 2, 3} << QVector<int>{2, 1, 0};
        QTest::newRow("negativos de arquivo") << QVector<float>{-1, 0, -2} << QVector<int>{1, 0, 2};
        QTest::newRow("um só") << QVector<float>{4} << QVector<int>{0};
        QTest::newRow("nenhum") << QVector<float>{} << QVector<int>{};
    }

    void ordemDoRanking()
    {
        QFETCH(QVector<float>, totais);
        QFETCH(QVector<int>, ordem);
        const std::vector<int> obtida = ordemClassificacao(totais);
        QCOMPARE(QVector<int>(obtida.begin(), obtida.end()), ordem);
    }

    void somaContaSoOsVotantesAtuais()
    {
        TabelaNotas tabela;
        for (int v = 0; v < 5; ++v)
            tabela.definirNota(2, v, static_cast<float>(v + 1));
        QCOMPARE(tabela.soma(2, 5), 15.0f);
        QCOMPARE(tabela.soma(2, 3), 6.0f);
        QCOMPARE(tabela.soma(2, 0), 0.0f);
        QCOMPARE(tabela.soma(2, 5), 15.0f); // the hidden grades were kept
        QCOMPARE(tabela.soma(-1, 5), 0.0f);
        QCOMPARE(tabela.soma(12, 5), 0.0f);
        // In 32-bit floats, in voter order: a huge grade swallows the small ones after it.
        tabela.definirNota(0, 0, 1.0e8f);
        tabela.definirNota(0, 1, 1.0f);
        tabela.definirNota(0, 2, -1.0e8f);
        QCOMPARE(tabela.soma(0, 3), 0.0f);
    }

    void descartarLinhaMoveAsSeguintesEZeraAUltima_data()
    {
        QTest::addColumn<int>("linha");
        QTest::addColumn<int>("restantes");
        QTest::addColumn<QVector<float>>("esperado"); // grade [c][0] of lines 0 … 4
        QTest::newRow("primeira de quatro") << 0 << 3 << QVector<float>{2, 3, 4, 0, 0};
        QTest::newRow("segunda de quatro") << 1 << 3 << QVector<float>{1, 3, 4, 0, 0};
        QTest::newRow("última de quatro") << 3 << 3 << QVector<float>{1, 2, 3, 0, 0};
        QTest::newRow("sem linha atual") << -1 << 3 << QVector<float>{1, 2, 3, 4, 0};
        QTest::newRow("doze ou mais restantes") << 0 << 12 << QVector<float>{1, 2, 3, 4, 0};
    }

    void descartarLinhaMoveAsSeguintesEZeraAUltima()
    {
        QFETCH(int, linha);
        QFETCH(int, restantes);
        QFETCH(QVector<float>, esperado);
        TabelaNotas tabela;
        for (int c = 0; c < 4; ++c) {
            tabela.definirNota(c, 0, static_cast<float>(c + 1));
            tabela.definirNota(c, 11, static_cast<float>(c + 1));
        }
        tabela.descartarLinha(linha, restantes);
        for (int c = 0; c < esperado.size(); ++c) {
            QCOMPARE(tabela.nota(c, 0), esperado.at(c));
            QCOMPARE(tabela.nota(c, 11), esperado.at(c)); // whole lines move
        }
    }

    void notaEscritaNoArquivo_data()
    {
        QTest::addColumn<float>("nota");
        QTest::addColumn<QString>("texto");
        QTest::newRow("zero") << 0.0f << "0";
        QTest::newRow("zero negativo") << -0.0f << "0";
        QTest::newRow("sete") << 7.0f << "7";
        QTest::newRow("dez") << 10.0f << "10";
        QTest::newRow("sete e meio com ponto") << 7.5f << "7.5";
        QTest::newRow("seis algarismos") << 1.234567f << "1.23457";
        QTest::newRow("fração de float") << 7.1f << "7.1";
        QTest::newRow("negativa") << -2.25f << "-2.25";
    }

    void notaEscritaNoArquivo()
    {
        QFETCH(float, nota);
        QFETCH(QString, texto);
        QCOMPARE(formatarNota(nota), texto);
        // What is written reads back to the same grade, within the six digits kept.
        const std::optional<float> lida = lerNota(texto);
        QVERIFY(lida.has_value());
        QVERIFY(std::fabs(*lida - nota) <= 1e-5f * std::max(1.0f, std::fabs(nota)));
    }

    void notaLidaDoArquivo_data()
    {
        QTest::addColumn<QString>("local");
        QTest::addColumn<QString>("texto");
        QTest::addColumn<bool>("valida");
        QTest::addColumn<float>("nota");
        const QString pt = QStringLiteral("pt_BR");
        const QString en = QStringLiteral("en_US");
        QTest::newRow("ponto em português") << pt << "7.5" << true << 7.5f;
        QTest::newRow("vírgula em português") << pt << "7,5" << true << 7.5f;
        QTest::newRow("inteiro com espaços") << pt << " 8 " << true << 8.0f;
        QTest::newRow("ponto em inglês") << en << "7.5" << true << 7.5f;
        QTest::newRow("vírgula não é decimal em inglês") << en << "7,5" << false << 0.0f;
        QTest::newRow("milhar agrupado") << pt << "1.000,5" << false << 0.0f;
        QTest::newRow("letras") << pt << "sete" << false << 0.0f;
        QTest::newRow("vazio") << pt << "" << false << 0.0f;
        QTest::newRow("nan") << pt << "nan" << false << 0.0f;
        QTest::newRow("inf") << pt << "inf" << false << 0.0f;
        QTest::newRow("-inf") << pt << "-inf" << false << 0.0f;
        QTest::newRow("além do float") << pt << "1e39" << false << 0.0f;
        QTest::newRow("além do double") << pt << "1e400" << false << 0.0f;
    }

    void notaLidaDoArquivo()
    {
        QFETCH(QString, local);
        QFETCH(QString, texto);
        QFETCH(bool, valida);
        QFETCH(float, nota);
        QLocale::setDefault(QLocale(local));
        const std::optional<float> lida = lerNota(texto);
        QCOMPARE(lida.has_value(), valida);
        if (valida) {
            QVERIFY(std::isfinite(*lida));
            QCOMPARE(*lida, nota);
        }
    }
};

SORVANE_TESTE_MAIN(TesteRegrasNotas)
#include "tst_regrasnotas.moc"
