// The least a Qt Widgets program does to show what the real one shows first, built straight
// from Qt's own widgets: a main window of the same size with the same menus, the same header
// (three captions, three hidden bold values, two tool buttons with painted icons) and four tabs
// with a scroll box each, and in front of it the same school dialog (three captions, three line
// edits, the last with its invitation in italics, a date edit with a calendar, three buttons in
// two raised panels), shown modally. The process ends as the real program's start-up switch
// ends it, once the dialog has been painted. scripts/medir-inicio compares the two.
//
// With --simples the dialog holds only a line of text and a button, the floor of the earlier
// rounds, so their figures can still be compared.

#include <QAction>
#include <QApplication>
#include <QDateEdit>
#include <QDialog>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <cstdlib>
#include <cstring>

namespace {

class SaidaNoDialogo : public QObject {
public:
    bool eventFilter(QObject *objeto, QEvent *evento) override
    {
        // Queued, so the painting ends and reaches the screen first.
        if (evento->type() == QEvent::Paint)
            QMetaObject::invokeMethod(
                objeto, [] { std::_Exit(0); }, Qt::QueuedConnection);
        return false;
    }
};

QIcon sinal(bool mais)
{
    QPixmap imagem(20, 20);
    imagem.fill(Qt::transparent);
    QPainter pintor(&imagem);
    pintor.setRenderHint(QPainter::Antialiasing);
    pintor.setPen(Qt::NoPen);
    pintor.setBrush(mais ? QColor(0, 128, 0) : QColor(192, 0, 0));
    pintor.drawRect(3, 8, 14, 4);
    if (mais)
        pintor.drawRect(8, 3, 4, 14);
    return QIcon(imagem);
}

void criarMenus(QMainWindow &janela)
{
    struct Item {
        const char *legenda;
        QKeySequence teclas;
    };
    const auto menu = [&janela](const char *titulo, std::initializer_list<Item> itens) {
        QMenu *novo = janela.menuBar()->addMenu(QString::fromUtf8(titulo));
        for (const Item &item : itens) {
            if (!item.legenda)
                novo->addSeparator();
            else
                novo->addAction(QString::fromUtf8(item.legenda))->setShortcut(item.teclas);
        }
    };
    menu("&Arquivo", {{"&Novo plano", QKeySequence(Qt::CTRL | Qt::Key_N)},
                      {"&Abrir plano", QKeySequence(Qt::CTRL | Qt::Key_O)},
                      {"&Salvar", QKeySequence(Qt::CTRL | Qt::Key_S)},
                      {nullptr, {}},
                      {"&Configurar Impressão", {}},
                      {nullptr, {}},
                      {"Sai&r", QKeySequence(Qt::CTRL | Qt::Key_Q)}});
    menu("&Editar", {{"&Desfazer", QKeySequence(Qt::CTRL | Qt::Key_Z)},
                     {"&Refazer", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)}});
    menu("Dados", {{"Dados da &Instituição", {}},
                   {nullptr, {}},
                   {"Gerar &Cédula de votação", {}},
                   {"Gerar &Ata de reunião", {}},
                   {"Gerar &Organograma", {}}});
    menu("A&juda", {{"&Sobre o aplicativo", {}},
                    {nullptr, {}},
                    {"&Como utilizar o aplicativo", QKeySequence(Qt::Key_F1)}});
}

QWidget *criarCabecalho()
{
    auto *painel = new QFrame;
    painel->setFixedHeight(49);
    painel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    auto *grade = new QGridLayout(painel);
    grade->setContentsMargins(8, 2, 4, 2);
    grade->setVerticalSpacing(2);
    int coluna = 0;
    for (const char *legenda : {"Escola:", "Diretor:", "Nome do arquivo:"}) {
        grade->addWidget(new QLabel(QString::fromUtf8(legenda)), coluna % 2, coluna / 2 * 3);
        auto *valor = new QLabel(QStringLiteral("-"));
        QFont negrito = valor->font();
        negrito.setBold(true);
        valor->setFont(negrito);
        valor->setVisible(false);
        grade->addWidget(valor, coluna % 2, coluna / 2 * 3 + 1);
        ++coluna;
    }
    for (const bool mais : {true, false}) {
        auto *botao = new QToolButton;
        botao->setFixedSize(33, 33);
        botao->setIcon(sinal(mais));
        botao->setIconSize(QSize(20, 20));
        botao->setAutoRaise(true);
        grade->addWidget(botao, 0, mais ? 6 : 7, 2, 1, Qt::AlignTop);
    }
    grade->setColumnStretch(2, 1);
    grade->setColumnStretch(5, 1);
    return painel;
}

void criarJanela(QMainWindow &janela)
{
    janela.resize(780, 572);
    auto *conteudo = new QWidget;
    auto *coluna = new QVBoxLayout(conteudo);
    coluna->setContentsMargins(0, 0, 0, 0);
    coluna->setSpacing(0);
    coluna->addWidget(criarCabecalho());
    auto *abas = new QTabWidget;
    for (const char *titulo : {"Problemas", "Votantes", "Notas", "Classificação"}) {
        auto *aba = new QWidget;
        auto *layout = new QVBoxLayout(aba);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(new QScrollArea);
        abas->addTab(aba, QString::fromUtf8(titulo));
    }
    coluna->addWidget(abas, 1);
    janela.setCentralWidget(conteudo);
    criarMenus(janela);
}

void criarDialogo(QDialog &dialogo)
{
    auto *superior = new QFrame;
    superior->setFrameStyle(QFrame::Panel | QFrame::Raised);
    auto *grade = new QGridLayout(superior);
    grade->addWidget(new QLabel(QStringLiteral("Nome da escola:")), 0, 0);
    grade->addWidget(new QLineEdit, 0, 1, 1, 2);
    grade->addWidget(new QLabel(QStringLiteral("Diretor:")), 1, 0);
    grade->addWidget(new QLineEdit, 1, 1, 1, 2);
    grade->addWidget(new QLabel(QStringLiteral("Data do plano escolar:")), 2, 0);
    auto *data = new QDateEdit(QDate::currentDate());
    data->setCalendarPopup(true);
    data->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    grade->addWidget(data, 2, 1);
    auto *plano = new QLineEdit(QStringLiteral("entre com o nome do plano"));
    QFont italico = plano->font();
    italico.setItalic(true);
    plano->setFont(italico);
    grade->addWidget(plano, 3, 0, 1, 2);
    grade->addWidget(new QPushButton(QStringLiteral("Abrir")), 3, 2);
    grade->setColumnStretch(1, 1);

    auto *inferior = new QFrame;
    inferior->setFrameStyle(QFrame::Panel | QFrame::Raised);
    auto *linha = new QHBoxLayout(inferior);
    linha->addStretch(1);
    auto *ok = new QPushButton(QStringLiteral("Ok"));
    ok->setDefault(true);
    linha->addWidget(ok);
    linha->addWidget(new QPushButton(QStringLiteral("Cancelar")));

    auto *layout = new QVBoxLayout(&dialogo);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(superior, 1);
    layout->addWidget(inferior);
}

} // namespace

int main(int argc, char *argv[])
{
    const bool simples = argc > 1 && std::strcmp(argv[1], "--simples") == 0;
    QApplication aplicacao(argc, argv);
    QMainWindow janela;
    QDialog dialogo(&janela);
    dialogo.resize(374, 183);
    if (simples) {
        janela.resize(780, 572);
        for (const char *titulo : {"&Arquivo", "Dados", "A&juda"})
            janela.menuBar()->addMenu(QString::fromLatin1(titulo));
        auto *abas = new QTabWidget;
        for (const char *titulo : {"Problemas", "Votantes", "Notas", "Classificação"})
            abas->addTab(new QWidget, QString::fromUtf8(titulo));
        janela.setCentralWidget(abas);
        auto *layout = new QVBoxLayout(&dialogo);
        layout->addWidget(new QLabel(QStringLiteral("Nome da escola:")));
        layout->addWidget(new QPushButton(QStringLiteral("Ok")));
    } else {
        criarJanela(janela);
        criarDialogo(dialogo);
    }
    janela.show();
    SaidaNoDialogo saida;
    dialogo.installEventFilter(&saida);
    return dialogo.exec() == QDialog::Accepted ? 1 : 0;
}
