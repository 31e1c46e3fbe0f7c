#include "CalcoFalhas.h"

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <dlfcn.h>
#include <fcntl.h>
#include <mutex>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::mutex trava;
int operacaoArmada = 0;
int erroArmado = 0;
long long posicaoArmada = 0;
std::string pastaArmada;
std::atomic<int> disparos{0};

template <typename Funcao> Funcao original(const char *nome)
{
    return reinterpret_cast<Funcao>(dlsym(RTLD_NEXT, nome));
}

std::string pastaDe(const std::string &caminho)
{
    const auto barra = caminho.rfind('/');
    return barra == std::string::npos ? std::string() : caminho.substr(0, barra);
}

// Where a relative name stands: against the folder `base` refers to (or the current one).
std::string absoluto(int base, const char *nome)
{
    if (nome == nullptr)
        return {};
    if (nome[0] == '/')
        return nome;
    char pasta[PATH_MAX];
    if (base == AT_FDCWD) {
        if (getcwd(pasta, sizeof pasta) == nullptr)
            return nome;
    } else {
        char ligacao[64];
        std::snprintf(ligacao, sizeof ligacao, "/proc/self/fd/%d", base);
        const ssize_t n = readlink(ligacao, pasta, sizeof pasta - 1);
        if (n <= 0)
            return nome;
        pasta[n] = '\0';
    }
    return std::string(pasta) + '/' + nome;
}

// The file behind a descriptor; an unnamed temporary file reads as "<folder>/#<n> (deleted)".
std::string arquivoDo(int descritor)
{
    struct stat estado {};
    if (fstat(descritor, &estado) != 0 || !S_ISREG(estado.st_mode))
        return {};
    char ligacao[64];
    std::snprintf(ligacao, sizeof ligacao, "/proc/self/fd/%d", descritor);
    char caminho[PATH_MAX];
    const ssize_t n = readlink(ligacao, caminho, sizeof caminho - 1);
    if (n <= 0)
        return {};
    caminho[n] = '\0';
    return caminho;
}

bool armadoPara(int operacao, const std::string &caminho)
{
    if (operacaoArmada != operacao || caminho.empty() || pastaDe(caminho) != pastaArmada)
        return false;
    return caminho[pastaArmada.size() + 1] != '.';
}

int disparar()
{
    operacaoArmada = 0;
    ++disparos;
    errno = erroArmado;
    return -1;
}

} // namespace

extern "C" {

void sorvane_falha_armar(int operacao, int erro, long long posicao, const char *pasta)
{
    std::lock_guard<std::mutex> guarda(trava);
    operacaoArmada = operacao;
    erroArmado = erro;
    posicaoArmada = posicao;
    pastaArmada = pasta;
    while (pastaArmada.size() > 1 && pastaArmada.back() == '/')
        pastaArmada.pop_back();
    disparos = 0;
}

void sorvane_falha_desarmar()
{
    std::lock_guard<std::mutex> guarda(trava);
    operacaoArmada = 0;
}

int sorvane_falha_disparos()
{
    return disparos;
}

ssize_t write(int descritor, const void *dados, size_t quantidade)
{
    static const auto real = original<ssize_t (*)(int, const void *, size_t)>("write");
    {
        std::unique_lock<std::mutex> guarda(trava);
        if (operacaoArmada == sorvaneEscrita && armadoPara(sorvaneEscrita, arquivoDo(descritor))) {
            const long long inicio = lseek(descritor, 0, SEEK_CUR);
            const long long fim = inicio + static_cast<long long>(quantidade);
            if (inicio >= 0 && posicaoArmada >= inicio && posicaoArmada < fim) {
                if (posicaoArmada == inicio)
                    return disparar();
                guarda.unlock();
                return real(descritor, dados, static_cast<size_t>(posicaoArmada - inicio));
            }
        }
    }
    return real(descritor, dados, quantidade);
}

int fsync(int descritor)
{
    static const auto real = original<int (*)(int)>("fsync");
    {
        std::lock_guard<std::mutex> guarda(trava);
        if (operacaoArmada == sorvaneSincronia &&
            armadoPara(sorvaneSincronia, arquivoDo(descritor)))
            return disparar();
    }
    return real(descritor);
}

int fdatasync(int descritor)
{
    static const auto real = original<int (*)(int)>("fdatasync");
    {
        std::lock_guard<std::mutex> guarda(trava);
        if (operacaoArmada == sorvaneSincronia &&
            armadoPara(sorvaneSincronia, arquivoDo(descritor)))
            return disparar();
    }
    return real(descritor);
}

int rename(const char *de, const char *para) noexcept
{
    static const auto real = original<int (*)(const char *, const char *)>("rename");
    {
        std::lock_guard<std::mutex> guarda(trava);
        if (armadoPara(sorvaneRenomeacao, absoluto(AT_FDCWD, para)))
            return disparar();
    }
    return real(de, para);
}

int renameat(int baseDe, const char *de, int basePara, const char *para) noexcept
{
    static const auto real = original<int (*)(int, const char *, int, const char *)>("renameat");
    {
        std::lock_guard<std::mutex> guarda(trava);
        if (armadoPara(sorvaneRenomeacao, absoluto(basePara, para)))
            return disparar();
    }
    return real(baseDe, de, basePara, para);
}

int renameat2(int baseDe, const char *de, int basePara, const char *para,
              unsigned int opcoes) noexcept
{
    static const auto real =
        original<int (*)(int, const char *, int, const char *, unsigned int)>("renameat2");
    {
        std::lock_guard<std::mutex> guarda(trava);
        if (armadoPara(sorvaneRenomeacao, absoluto(basePara, para)))
            return disparar();
    }
    return real(baseDe, de, basePara, para, opcoes);
}

int linkat(int baseDe, const char *de, int basePara, const char *para, int opcoes) noexcept
{
    static const auto real = original<int (*)(int, const char *, int, const char *, int)>("linkat");
    {
        std::lock_guard<std::mutex> guarda(trava);
        if (armadoPara(sorvaneRenomeacao, absoluto(basePara, para)))
            return disparar();
    }
    return real(baseDe, de, basePara, para, opcoes);
}
}
