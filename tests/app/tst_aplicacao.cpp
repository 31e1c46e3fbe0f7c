#include "app/Versao.h"
#include "data/Erros.h"
#include "support/InteracaoRoteirizada.h"
#include "support/Teste.h"

#include <QEvent>

// An exception that escapes an event handler becomes an error box with its own message, and
// the program goes on.
class QuemLanca : public QObject {
public:
    bool event(QEvent *evento) override
    {
        if (evento->type() == QEvent::User)
            throw ErroXml(QStringLiteral("Elemento \"escola\" não encontrado."));
        return QObject::event(evento);
    }
};

class TesteAplicacao : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void excecaoDeManipuladorViraMensagemDeErro()
    {
        InteracaoRoteirizada roteiro;
        QuemLanca alvo;
        QEvent evento(QEvent::User);
        QCoreApplication::sendEvent(&alvo, &evento);
        QCOMPARE(roteiro.mensagens.size(), 1);
        QCOMPARE(roteiro.mensagens[0].icone, Icone::Erro);
        QCOMPARE(roteiro.mensagens[0].texto, QStringLiteral("Elemento \"escola\" não encontrado."));
    }

    void nomeDaAplicacaoELocalidade()
    {
        QCOMPARE(QCoreApplication::applicationName(),
                 QStringLiteral("Projeto Sorvane - versão " SORVANE_VERSAO));
        QCOMPARE(QLocale().decimalPoint(), QStringLiteral(","));
    }

    void textosDoQtEmPortugues()
    {
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"),
                 QStringLiteral("Cancelar"));
    }
};

SORVANE_TESTE_MAIN(TesteAplicacao)
#include "tst_aplicacao.moc"
