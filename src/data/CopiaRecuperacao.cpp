#include "data/CopiaRecuperacao.h"

#include "data/ArquivoIni.h"
#include "data/Caminhos.h"
#include "data/Gravacao.h"
#include "data/Texto.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>
#include <QUuid>
#include <algorithm>

namespace {

const QString extensaoCopia = QStringLiteral(".xml");
const QString extensaoOrigem = QStringLiteral(".ini");
const QString extensaoTrava = QStringLiteral(".trava");
const QString secaoOrigem = QStringLiteral("recuperacao");
const QString chavePlano = QStringLiteral("plano");
constexpr qint64 tamanhoMaximoCopia = 32 * 1024 * 1024;

QString caminho(const QString &chave, const QString &extensao)
{
    return CopiaRecuperacao::pasta() + u'/' + chave + extensao;
}

std::unique_ptr<QLockFile> travar(const QString &chave)
{
    auto trava = std::make_unique<QLockFile>(caminho(chave, extensaoTrava));
    trava->setStaleLockTime(0);
    if (!trava->tryLock(0))
        return nullptr;
    return trava;
}

QString planoDaOrigem(const QString &chave)
{
    return ArquivoIni(caminho(chave, extensaoOrigem)).ler(secaoOrigem, chavePlano, QString());
}

bool ehEntradaDoUsuario(QEvent::Type tipo)
{
    switch (tipo) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Drop:
    case QEvent::InputMethod:
        return true;
    default:
        return false;
    }
}

} // namespace

QString CopiaRecuperacao::pasta()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/sorvane/recuperacao");
}

QList<CopiaRecuperacao::Pendente> CopiaRecuperacao::abandonadas()
{
    QList<Pendente> achados;
    const QDir diretorio(pasta());
    for (const QFileInfo &origem :
         diretorio.entryInfoList({u'*' + extensaoOrigem}, QDir::Files, QDir::Name)) {
        const QString chave = origem.completeBaseName();
        const QFileInfo copia(caminho(chave, extensaoCopia));
        // A copy whose program still runs is that program's, not abandoned work.
        if (copia.isFile() && travar(chave))
            achados.append({chave, planoDaOrigem(chave), copia.lastModified()});
    }
    return achados;
}

QList<CopiaRecuperacao::Pendente> CopiaRecuperacao::pendentes()
{
    QList<Pendente> achados = abandonadas();
    achados.removeIf([](const Pendente &pendente) {
        const QFileInfo plano(pendente.plano);
        return !pendente.plano.isEmpty() && plano.exists() &&
               plano.lastModified() >= pendente.momento;
    });
    std::sort(achados.begin(), achados.end(),
              [](const Pendente &a, const Pendente &b) { return a.momento > b.momento; });
    return achados;
}

QByteArray CopiaRecuperacao::ler(const QString &chave)
{
    return lerArquivoComum(caminho(chave, extensaoCopia), tamanhoMaximoCopia).bytes;
}

CopiaRecuperacao::CopiaRecuperacao(Avaliacao avaliar)
    : avaliar(std::move(avaliar)), chave(QUuid::createUuid().toString(QUuid::WithoutBraces)),
      trabalhador(&CopiaRecuperacao::trabalhar, this)
{
    silencio.setSingleShot(true);
    esperaMaxima.setSingleShot(true);
    connect(&silencio, &QTimer::timeout, this, &CopiaRecuperacao::verificarAgora);
    connect(&esperaMaxima, &QTimer::timeout, this, &CopiaRecuperacao::verificarAgora);
    if (QCoreApplication *aplicacao = QCoreApplication::instance())
        aplicacao->installEventFilter(this);
}

CopiaRecuperacao::~CopiaRecuperacao()
{
    {
        std::lock_guard<std::mutex> guarda(mutex);
        fim = true;
    }
    sinal.notify_one();
    trabalhador.join();
}

bool CopiaRecuperacao::eventFilter(QObject *objeto, QEvent *evento)
{
    if (ehEntradaDoUsuario(evento->type())) {
        silencio.start(silencioMs);
        if (!esperaMaxima.isActive())
            esperaMaxima.start(esperaMaximaMs);
    }
    return QObject::eventFilter(objeto, evento);
}

void CopiaRecuperacao::definirPlano(const QString &novo)
{
    plano = novo;
}

void CopiaRecuperacao::adotar(const QString &recuperada)
{
    auto outra = travar(recuperada);
    if (!outra)
        return;
    descartar();
    chave = recuperada;
    trava = std::move(outra);
    ultimaCopia = ler(chave);
}

void CopiaRecuperacao::descartar(const QString &salvo)
{
    silencio.stop();
    esperaMaxima.stop();
    if (!ultimaCopia.isEmpty())
        enfileirar({Tarefa::Tipo::remover, chave, {}, {}});
    ultimaCopia.clear();
    if (!salvo.isEmpty())
        enfileirar({Tarefa::Tipo::removerDoPlano, chave, salvo, {}});
}

void CopiaRecuperacao::verificarAgora()
{
    silencio.stop();
    esperaMaxima.stop();
    QByteArray bytes;
    switch (avaliar(bytes)) {
    case Estado::ocupado:
        silencio.start(silencioMs);
        return;
    case Estado::salvo:
        if (!ultimaCopia.isEmpty())
            enfileirar({Tarefa::Tipo::remover, chave, {}, {}});
        ultimaCopia.clear();
        return;
    case Estado::alterado:
        break;
    }
    if (bytes == ultimaCopia)
        return;
    if (!trava) {
        QDir().mkpath(pasta());
        trava = travar(chave);
    }
    ultimaCopia = bytes;
    enfileirar({Tarefa::Tipo::gravar, chave, plano, std::move(bytes)});
}

void CopiaRecuperacao::aguardarGravacoes()
{
    std::unique_lock<std::mutex> guarda(mutex);
    ocioso.wait(guarda, [this] { return tarefas.empty() && !trabalhando; });
}

void CopiaRecuperacao::enfileirar(Tarefa tarefa)
{
    {
        std::lock_guard<std::mutex> guarda(mutex);
        // Only the newest state of a copy matters: a write waiting behind it is dropped.
        if (tarefa.tipo != Tarefa::Tipo::removerDoPlano) {
            tarefas.erase(std::remove_if(tarefas.begin(), tarefas.end(),
                                         [&](const Tarefa &outra) {
                                             return outra.tipo != Tarefa::Tipo::removerDoPlano &&
                                                    outra.chave == tarefa.chave;
                                         }),
                          tarefas.end());
        }
        tarefas.push_back(std::move(tarefa));
    }
    sinal.notify_one();
}

void CopiaRecuperacao::trabalhar()
{
    std::unique_lock<std::mutex> guarda(mutex);
    for (;;) {
        sinal.wait(guarda, [this] { return fim || !tarefas.empty(); });
        if (tarefas.empty()) {
            if (fim)
                return;
            continue;
        }
        const Tarefa tarefa = std::move(tarefas.front());
        tarefas.pop_front();
        trabalhando = true;
        guarda.unlock();
        executar(tarefa);
        guarda.lock();
        trabalhando = false;
        if (tarefas.empty())
            ocioso.notify_all();
    }
}

void CopiaRecuperacao::executar(const Tarefa &tarefa)
{
    switch (tarefa.tipo) {
    case Tarefa::Tipo::gravar: {
        // The plan it belongs to first, so a copy on disk always names its plan. A copy that
        // cannot be written is only a copy: the plan itself is untouched, and the next quiet
        // moment tries again.
        ArquivoIni origem(caminho(tarefa.chave, extensaoOrigem));
        const QString antes = origem.conteudo();
        origem.escrever(secaoOrigem, chavePlano, tarefa.plano);
        if ((origem.conteudo() != antes ||
             !QFileInfo::exists(caminho(tarefa.chave, extensaoOrigem))) &&
            !origem.gravar())
            return;
        gravarArquivoInteiro(caminho(tarefa.chave, extensaoCopia), tarefa.bytes);
        return;
    }
    case Tarefa::Tipo::remover:
        QFile::remove(caminho(tarefa.chave, extensaoCopia));
        QFile::remove(caminho(tarefa.chave, extensaoOrigem));
        return;
    case Tarefa::Tipo::removerDoPlano:
        for (const Pendente &abandonada : abandonadas()) {
            if (abandonada.chave != tarefa.chave && mesmoArquivo(abandonada.plano, tarefa.plano)) {
                QFile::remove(caminho(abandonada.chave, extensaoCopia));
                QFile::remove(caminho(abandonada.chave, extensaoOrigem));
            }
        }
        return;
    }
}
