#include "help/TfmSobre.h"
#include "support/Desenho.h"
#include "support/Teste.h"

#include <QDesktopServices>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QUrl>

// Records every address the desktop would be asked to open.
class AberturasDeEndereco : public QObject {
    Q_OBJECT
public:
    QList<QUrl> abertos;
public Q_SLOTS:
    void abrir(const QUrl &endereco) { abertos.append(endereco); }
};

// The About window: its texts and picture, the two addresses that look like links and lead
// nowhere, and the only way out.
class TesteSobre : public QObject {
    Q_OBJECT

private:
    static QList<QLabel *> creditos(TfmSobre &janela)
    {
        QList<QLabel *> lista;
        for (QLabel *lbl : janela.findChildren<QLabel *>()) {
            const QString nome = lbl->objectName();
            if (nome != QLatin1String("lblTitulo") && nome != QLatin1String("lblConcepcao") &&
                nome != QLatin1String("imgSobre"))
                lista.append(lbl);
        }
        return lista;
    }

    static QLabel *rotulo(TfmSobre &janela, const QString &nome)
    {
        return janela.findChild<QLabel *>(nome);
    }

private Q_SLOTS:
    void tituloEmUmaLinhaNegrito()
    {
        TfmSobre janela;
        QLabel *lblTitulo = rotulo(janela, QStringLiteral("lblTitulo"));
        QVERIFY(lblTitulo);
        QVERIFY(lblTitulo->text().contains(QStringLiteral("Sorvane")));
        QVERIFY(!lblTitulo->text().contains(QLatin1Char('\n')));
        QVERIFY(!lblTitulo->wordWrap());
        QVERIFY(lblTitulo->font().bold());
        QCOMPARE(lblTitulo->font().pixelSize(), 16);
        QCOMPARE(lblTitulo->pos(), QPoint(16, 8));
        // The whole line fits inside the window, with the same margin on the right.
        QVERIFY(lblTitulo->width() >= lblTitulo->sizeHint().width());
        QVERIFY(lblTitulo->x() + lblTitulo->width() <= TfmSobre::largura - 16);
    }

    void concepcaoEImagem()
    {
        TfmSobre janela;
        QLabel *lblConcepcao = rotulo(janela, QStringLiteral("lblConcepcao"));
        QCOMPARE(lblConcepcao->text(), QStringLiteral("Concepção e Desenvolvimento"));
        QCOMPARE(lblConcepcao->pos(), QPoint(216, 40));
        QCOMPARE(lblConcepcao->font().pixelSize(), 13);

        QLabel *imgSobre = rotulo(janela, QStringLiteral("imgSobre"));
        QCOMPARE(imgSobre->geometry(), QRect(16, 72, 113, 113));
        const QPixmap figura = imgSobre->pixmap();
        QCOMPARE(figura.size(), QSize(111, 111));
        const QImage imagem(QStringLiteral(":/sobre.png"));
        QCOMPARE(imagem.format(), QImage::Format_Indexed8);
        QVERIFY(imagem.colorCount() <= 256);
    }

    void oitoCreditosAoLadoDaFiguraSemSobreposicao()
    {
        TfmSobre janela;
        janela.show();
        QVERIFY(QTest::qWaitForWindowExposed(&janela));
        const QList<QLabel *> lista = creditos(janela);
        QCOMPARE(lista.size(), 8);
        const QRect figura = rotulo(janela, QStringLiteral("imgSobre"))->geometry();
        const QWidget *painel = janela.findChild<QWidget *>(QStringLiteral("painelCentral"));
        const int centro = rotulo(janela, QStringLiteral("lblConcepcao"))->geometry().center().x();
        int negritos = 0;
        for (int i = 0; i < lista.size(); ++i) {
            const QRect area = lista[i]->geometry();
            QVERIFY2(area.left() > figura.right(), qPrintable(lista[i]->objectName()));
            QVERIFY2(area.right() < painel->width(), qPrintable(lista[i]->objectName()));
            QVERIFY2(area.bottom() < painel->height(), qPrintable(lista[i]->objectName()));
            QVERIFY(qAbs(area.center().x() - centro) <= 1);
            QVERIFY(!lista[i]->text().isEmpty());
            negritos += lista[i]->font().bold() ? 1 : 0;
            for (int j = i + 1; j < lista.size(); ++j)
                QVERIFY(!area.intersects(lista[j]->geometry()));
        }
        QVERIFY(negritos > 0 && negritos < 8);
    }

    void enderecosAzuisComCursorDeMao_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<bool>("endereco");
        QTest::newRow("sítio") << "lblSitio" << true;
        QTest::newRow("suporte") << "lblSuporte" << true;
        QTest::newRow("instituição") << "lblInstituicao" << false;
        QTest::newRow("equipe") << "lblEquipe" << false;
        QTest::newRow("versão") << "lblVersao" << false;
        QTest::newRow("título") << "lblTitulo" << false;
        QTest::newRow("concepção") << "lblConcepcao" << false;
    }

    void enderecosAzuisComCursorDeMao()
    {
        QFETCH(QString, nome);
        QFETCH(bool, endereco);
        TfmSobre janela;
        QLabel *lbl = rotulo(janela, nome);
        QVERIFY(lbl);
        const bool azul = lbl->palette().color(QPalette::WindowText) == QColor(Qt::blue);
        const bool mao = lbl->cursor().shape() == Qt::PointingHandCursor;
        QCOMPARE(azul, endereco);
        QCOMPARE(mao, endereco);
        if (endereco)
            QVERIFY(lbl->text().contains(QStringLiteral("sorvane")));
    }

    void exatamenteDoisEnderecos()
    {
        TfmSobre janela;
        int comMao = 0;
        for (QLabel *lbl : janela.findChildren<QLabel *>())
            comMao += lbl->cursor().shape() == Qt::PointingHandCursor ? 1 : 0;
        QCOMPARE(comMao, 2);
    }

    void clicarNosEnderecosNaoFazNada_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::newRow("sítio") << "lblSitio";
        QTest::newRow("suporte") << "lblSuporte";
    }

    void clicarNosEnderecosNaoFazNada()
    {
        QFETCH(QString, nome);
        AberturasDeEndereco aberturas;
        for (const char *esquema : {"http", "https", "mailto"})
            QDesktopServices::setUrlHandler(QString::fromLatin1(esquema), &aberturas, "abrir");

        TfmSobre janela;
        janela.show();
        QVERIFY(QTest::qWaitForWindowExposed(&janela));
        QLabel *lbl = rotulo(janela, nome);
        QSignalSpy ativados(lbl, &QLabel::linkActivated);
        QSignalSpy sobrevoados(lbl, &QLabel::linkHovered);
        QTest::mouseClick(lbl, Qt::LeftButton, {}, lbl->rect().center());
        QTest::mouseDClick(lbl, Qt::LeftButton, {}, lbl->rect().center());
        QCoreApplication::processEvents();

        QVERIFY(aberturas.abertos.isEmpty());
        QCOMPARE(ativados.count(), 0);
        QCOMPARE(sobrevoados.count(), 0);
        QVERIFY(janela.isVisible());
        QVERIFY(!lbl->openExternalLinks());
        QCOMPARE(lbl->textInteractionFlags(), Qt::NoTextInteraction);
        for (const char *esquema : {"http", "https", "mailto"})
            QDesktopServices::unsetUrlHandler(QString::fromLatin1(esquema));
    }

    void janelaFixaSemCaixaDeFechar()
    {
        TfmSobre janela;
        QCOMPARE(janela.minimumSize(), QSize(TfmSobre::largura, TfmSobre::altura));
        QCOMPARE(janela.maximumSize(), QSize(TfmSobre::largura, TfmSobre::altura));
        const Qt::WindowFlags flags = janela.windowFlags();
        QVERIFY(!(flags & Qt::WindowCloseButtonHint));
        QVERIFY(!(flags & Qt::WindowSystemMenuHint));
        QVERIFY(flags & Qt::WindowTitleHint);
    }

    // Ok is the only way out, so any way of closing gives Ok's result.
    void saidasDaJanela_data()
    {
        QTest::addColumn<int>("tecla"); // 0: click on Ok
        QTest::newRow("clique em Ok") << 0;
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("Esc") << int(Qt::Key_Escape);
    }

    void saidasDaJanela()
    {
        QFETCH(int, tecla);
        TfmSobre janela;
        janela.show();
        QVERIFY(QTest::qWaitForWindowExposed(&janela));
        QSignalSpy fechada(&janela, &QDialog::finished);
        auto *btnSobre = janela.findChild<QPushButton *>(QStringLiteral("btnSobre"));
        QCOMPARE(btnSobre->text(), QStringLiteral("Ok"));
        if (tecla == 0)
            QTest::mouseClick(btnSobre, Qt::LeftButton);
        else
            QTest::keyClick(&janela, Qt::Key(tecla));
        QCOMPARE(fechada.count(), 1);
        QCOMPARE(janela.result(), int(QDialog::Accepted));
        QVERIFY(!janela.isVisible());
    }

    void centradaNaJanelaPrincipal()
    {
        QWidget principal;
        principal.setGeometry(100, 80, 780, 572);
        TfmSobre janela(&principal);
        QCOMPARE(janela.geometry().center(), principal.geometry().center());
    }

    // Every window shows the program's icon, which the application sets once.
    void janelasLevamOIconeDoPrograma()
    {
        const QIcon icone = QApplication::windowIcon();
        QVERIFY(!icone.isNull());
        // Each drawn size is offered as drawn, not scaled from the largest.
        QList<QSize> tamanhos;
        for (int lado : {16, 24, 32, 48, 64, 128, 256})
            tamanhos.append(QSize(lado, lado));
        QCOMPARE(icone.availableSizes(), tamanhos);
        for (const char *arquivo :
             {":/icones/sorvane-16.png", ":/icones/sorvane-64.png", ":/icone.png"}) {
            const QImage desenho(QString::fromLatin1(arquivo));
            QVERIFY2(!desenho.isNull(), arquivo);
            QVERIFY2(apoio::mesmoDesenho(icone.pixmap(desenho.size()).toImage(), desenho), arquivo);
        }
        TfmSobre janela;
        QCOMPARE(janela.windowIcon().cacheKey(), icone.cacheKey());
    }
};

SORVANE_TESTE_MAIN(TesteSobre)
#include "tst_sobre.moc"
